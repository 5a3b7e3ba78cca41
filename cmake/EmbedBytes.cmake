# cmake -DSYMBOLS=a;b -DFILES=a.bin;b.bin -DOUTPUT=out.cpp -P EmbedBytes.cmake
# Writes a C++ file that defines each symbol as the bytes of its file, in
# namespace yanqi::embedded, so that data files become part of the program.
list(LENGTH SYMBOLS count)
math(EXPR last "${count} - 1")
set(source "// Generated from data files by cmake/EmbedBytes.cmake; do not edit.\n#include <cstddef>\n\nnamespace yanqi::embedded {\n")
foreach(index RANGE ${last})
  list(GET SYMBOLS ${index} symbol)
  list(GET FILES ${index} file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND source "extern const unsigned char ${symbol}[${size}];\nconst unsigned char ${symbol}[${size}] = {${bytes}};\n")
endforeach()
string(APPEND source "}  // namespace yanqi::embedded\n")
file(WRITE "${OUTPUT}" "${source}")
