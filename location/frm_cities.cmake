# The location dialog is a window, so it is built into the Qt library; the table it reads
# stays in the Qt-free vevi_location.
target_sources(vevi_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/frm_cities.cpp ${CMAKE_CURRENT_LIST_DIR}/frm_cities.h)
target_link_libraries(vevi_ui PUBLIC vevi_location)
