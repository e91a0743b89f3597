# cmake -DOUTPUT=file.cpp -DNAMES="a,b" -DFILES="a.png,b.png" -P EmbedFiles.cmake
# Writes a C++ source defining, for each file, `extern const unsigned char <name>[]` and
# `extern const size_t <name>Size` with the file's bytes.
string(REPLACE "," ";" NAMES "${NAMES}")
string(REPLACE "," ";" FILES "${FILES}")
set(source "// Generated at build time; do not edit.\n#include <cstddef>\n\n")
foreach(name file IN ZIP_LISTS NAMES FILES)
  file(READ "${file}" bytes HEX)
  string(LENGTH "${bytes}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  string(APPEND source "extern const unsigned char ${name}[] = {\n    ${bytes}\n};\n")
  string(APPEND source "extern const size_t ${name}Size = ${size};\n\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${source}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
