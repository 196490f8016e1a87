# Warnings are errors in waiting: the build keeps them at zero.
add_library(tuk_warnings INTERFACE)
target_compile_options(tuk_warnings INTERFACE -Wall -Wextra
  # Window definitions are tables of designated initializers that leave out the members
  # whose defaults fit; GCC 12 warns about every one of them.
  -Wno-missing-field-initializers)
