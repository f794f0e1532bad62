# FLTK 1.3, linked statically so that the product stays one executable.
# Debian ships no CMake package for it; fltk-config knows what it needs.
find_program(FLTK_CONFIG fltk-config REQUIRED)
execute_process(COMMAND ${FLTK_CONFIG} --ldstaticflags
                OUTPUT_VARIABLE fltk_static_flags OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${FLTK_CONFIG} --includedir
                OUTPUT_VARIABLE fltk_include_dir OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(fltk_static_flags UNIX_COMMAND "${fltk_static_flags}")
# Included once, from the top directory: the imported target is then seen in
# every directory below it.
add_library(Vessamo::FLTK INTERFACE IMPORTED)
# FLTK's headers are not ours to keep warning-free.
target_include_directories(Vessamo::FLTK SYSTEM INTERFACE ${fltk_include_dir})
target_link_libraries(Vessamo::FLTK INTERFACE ${fltk_static_flags})
