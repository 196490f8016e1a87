# Boost.Regex is header-only from 1.76 on (Debian 12: libboost-regex1.81-dev). When
# cross-compiling from Linux, the compiler must not see all of /usr/include, so it gets a
# folder that holds nothing but a link to the boost headers.
add_library(tuk_boost_regex INTERFACE)
if(CMAKE_CROSSCOMPILING AND EXISTS /usr/include/boost/regex.hpp)
  set(TUK_BOOST_INCLUDE ${CMAKE_BINARY_DIR}/boost-include)
  file(MAKE_DIRECTORY ${TUK_BOOST_INCLUDE})
  file(CREATE_LINK /usr/include/boost ${TUK_BOOST_INCLUDE}/boost SYMBOLIC)
  target_include_directories(tuk_boost_regex SYSTEM INTERFACE ${TUK_BOOST_INCLUDE})
else()
  find_path(TUK_BOOST_INCLUDE boost/regex.hpp REQUIRED)
  target_include_directories(tuk_boost_regex SYSTEM INTERFACE ${TUK_BOOST_INCLUDE})
endif()
