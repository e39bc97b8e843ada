# Writes the board file INPUT as a C string array to OUTPUT.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR length "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
  "/* Generated from ${INPUT}. */\n"
  "const char g_defaultBoardText[] = {\n${bytes}0x00};\n"
  "const unsigned long g_defaultBoardLength = ${length}u;\n")
