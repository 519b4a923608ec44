# Writes OUTPUT: a C++ source holding every PNG below ARTWORK_ROOT as a byte array, plus the
# table artwork::data::kEntries of (slot name, bytes, size), sorted by slot name.
# Run with: cmake -DARTWORK_ROOT=<dir> -DOUTPUT=<file.cpp> -P embed_pngs.cmake
file(GLOB_RECURSE pngs RELATIVE ${ARTWORK_ROOT} ${ARTWORK_ROOT}/*.png)
list(SORT pngs)

set(arrays "")
set(entries "")
set(index 0)
foreach(png IN LISTS pngs)
  file(READ ${ARTWORK_ROOT}/${png} hex HEX)
  string(LENGTH "${hex}" hex_length)
  if(hex_length EQUAL 0)
    message(FATAL_ERROR "empty picture: ${png}")
  endif()
  math(EXPR size "${hex_length} / 2")
  # 24 bytes per line.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n    " bytes "${bytes}")
  string(REGEX REPLACE "\\.png$" "" slot "${png}")
  string(APPEND arrays "// ${png}\nconst unsigned char k${index}[${size}] = {\n    ${bytes}\n};\n")
  string(APPEND entries "    {\"${slot}\", k${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()

if(index EQUAL 0)
  set(entries "    {nullptr, nullptr, 0},\n")
endif()

file(WRITE ${OUTPUT}.tmp
"// Generated from the PNG files of the artwork folder; do not edit.
#include \"artwork/artwork_data.h\"

namespace artwork::data {
namespace {
${arrays}
const Entry kEntries[] = {
${entries}};

}  // namespace

std::span<const Entry> Entries() {
  return std::span<const Entry>(kEntries, ${index});
}

}  // namespace artwork::data
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
