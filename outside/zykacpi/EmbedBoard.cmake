# Writes the board file INPUT, and the files FILES (names relative to its
# folder, ';'-separated) that it names, as C arrays to OUTPUT.
function(bytes_of path var length_var)
  file(READ ${path} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR length "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
  set(${var} "${bytes}" PARENT_SCOPE)
  set(${length_var} ${length} PARENT_SCOPE)
endfunction()

bytes_of(${INPUT} board_bytes board_length)
get_filename_component(folder ${INPUT} DIRECTORY)
set(arrays "")
set(entries "")
set(index 0)
foreach(name IN LISTS FILES)
  bytes_of(${folder}/${name} file_bytes file_length)
  string(APPEND arrays "static const char g_file${index}[] = {\n${file_bytes}0x00};\n")
  string(APPEND entries "    {\"${name}\", g_file${index}, ${file_length}u},\n")
  math(EXPR index "${index} + 1")
endforeach()
if(index EQUAL 0)
  set(entries "    {0, 0, 0},\n")
endif()
file(WRITE ${OUTPUT}
  "/* Generated from ${INPUT} and the files it names. */\n"
  "#include \"DefaultBoard.h\"\n\n"
  "const char g_defaultBoardText[] = {\n${board_bytes}0x00};\n"
  "const unsigned long g_defaultBoardLength = ${board_length}u;\n\n"
  "${arrays}\n"
  "const DefaultBoardFile g_defaultBoardFiles[] = {\n${entries}};\n"
  "const unsigned long g_defaultBoardFileCount = ${index}u;\n")
