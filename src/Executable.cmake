# The product: one executable, with FLTK linked in statically.
add_executable(vessamo-installer ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(vessamo-installer PRIVATE vessamo_app vessamo_ui_fltk)
