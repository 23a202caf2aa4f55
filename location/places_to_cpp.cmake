# Turns the place list (IN, tab-separated) into constant C++ arrays (OUT), so that nothing is
# built or allocated for the table at start-up. Run by the build with cmake -P.
# A line that does not read as a place stops the build with its line number, as does a region
# whose places do not stand together: positions are data, and a silent change would move them.
cmake_minimum_required(VERSION 3.20)

file(READ "${IN}" text)
string(REPLACE "\r" "" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

set(arrays "")
set(regions "")
set(seen "")
set(current "")
set(count 0)
set(places 0)
set(number 0)
foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line STREQUAL "" OR line MATCHES "^#")
        continue()
    endif()
    string(REPLACE "\t" ";" fields "${line}")
    list(LENGTH fields n)
    if(NOT n EQUAL 4)
        message(FATAL_ERROR "${IN}:${number}: four fields separated by tabs expected")
    endif()
    list(GET fields 0 region)
    list(GET fields 1 place)
    list(GET fields 2 elevation)
    list(GET fields 3 temperature)
    if(region STREQUAL "" OR place STREQUAL "" OR region MATCHES "[\"\\\\]"
       OR place MATCHES "[\"\\\\]")
        message(FATAL_ERROR "${IN}:${number}: a name is empty or holds a quote or backslash")
    endif()
    foreach(value IN ITEMS "${elevation}" "${temperature}")
        if(NOT value MATCHES "^-?[0-9]+$" OR value GREATER 32767 OR value LESS -32768)
            message(FATAL_ERROR
                "${IN}:${number}: \"${value}\" is not a whole number from -32768 to 32767")
        endif()
    endforeach()
    if(NOT region STREQUAL current)
        if(region IN_LIST seen)
            message(FATAL_ERROR "${IN}:${number}: the places of ${region} do not stand together")
        endif()
        if(NOT current STREQUAL "")
            string(APPEND arrays "};\n\n")
        endif()
        list(APPEND seen "${region}")
        string(APPEND arrays "constexpr CityEntry kRegion${count}[] = {\n")
        string(APPEND regions "    {\"${region}\", kRegion${count}},\n")
        set(current "${region}")
        math(EXPR count "${count} + 1")
    endif()
    string(APPEND arrays "    {\"${place}\", ${elevation}, ${temperature}},\n")
    math(EXPR places "${places} + 1")
endforeach()
if(count EQUAL 0)
    message(FATAL_ERROR "${IN}: no places")
endif()
string(APPEND arrays "};\n")

file(CONFIGURE OUTPUT "${OUT}" @ONLY CONTENT [[
// Made by the build from places.tsv; edit that file instead.
#include "location_data.h"

#include <array>

namespace vevi {
namespace {

// Some names carry a typographic apostrophe; the literals must come out as UTF-8.
static_assert(sizeof("’") == 4, "compile with a UTF-8 execution character set");

@arrays@
constexpr std::array<StateEntry, @count@> kStates = {{
@regions@}};

}  // namespace

// @places@ places in all.
std::span<const StateEntry> LocationData() {
    return kStates;
}

}  // namespace vevi
]])
