#!/usr/bin/env bash
# The place list's converter: a well-formed list comes out as arrays in its order, and each kind
# of slip stops the build with the line it is on.
# Usage: check_places_to_cpp.sh CMAKE CONVERTER
set -u
cmake=$1
converter=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0

# input (printf format) | what the message must say
cases=(
    'A\tx\t1\t2\nB\ty\t3\t4\nA\tz\t5\t6\n|in.tsv:3: the places of A do not stand together'
    'A\tx\t1\n|in.tsv:1: four fields separated by tabs expected'
    '# a note\nA\tx\t1\t2\t3\n|in.tsv:2: four fields'
    'A\tx\t1.5\t2\n|in.tsv:1: "1.5" is not a whole number'
    'A\tx\t1\t40000\n|in.tsv:1: "40000" is not a whole number'
    'A\tx"y\t1\t2\n|in.tsv:1: a name is empty or holds a quote'
    'A\t\t1\t2\n|in.tsv:1: a name is empty'
    '# nothing but a note\n|in.tsv: no places'
)
for c in "${cases[@]}"; do
    printf "${c%%|*}" >"$dir/in.tsv"
    out=$(cd "$dir" && "$cmake" -DIN=in.tsv -DOUT=out.cpp -P "$converter" 2>&1)
    if [ $? -eq 0 ] || [[ $out != *"${c#*|}"* ]]; then
        echo "expected \"${c#*|}\" for ${c%%|*}, got: $out"
        failed=1
    fi
done

printf '# a note\nB\tx, y’s\t-1\t2\n\nB\tz\t3\t4\nA\tw\t5\t-6\n' >"$dir/in.tsv"
(cd "$dir" && "$cmake" -DIN=in.tsv -DOUT=out.cpp -P "$converter") || failed=1
expected='constexpr CityEntry kRegion0[] = {
    {"x, y’s", -1, 2},
    {"z", 3, 4},
};

constexpr CityEntry kRegion1[] = {
    {"w", 5, -6},
};

constexpr std::array<StateEntry, 2> kStates = {{
    {"B", kRegion0},
    {"A", kRegion1},
}};'
if [[ $(cat "$dir/out.cpp" 2>/dev/null) != *"$expected"* ]]; then
    echo "a well-formed list came out as:"
    cat "$dir/out.cpp"
    failed=1
fi

[ $failed = 0 ] && echo "the place list's converter: every case as expected"
exit $failed
