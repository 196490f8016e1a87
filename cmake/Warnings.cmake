# Warnings are errors in waiting: the build keeps them at zero.
add_library(tuk_warnings INTERFACE)
if(MSVC)
  target_compile_options(tuk_warnings INTERFACE /W4 /utf-8)
else()
  target_compile_options(tuk_warnings INTERFACE -Wall -Wextra
    # Window definitions are tables of designated initializers that leave out the members
    # whose defaults fit; GCC 12 warns about every one of them.
    -Wno-missing-field-initializers)
endif()
