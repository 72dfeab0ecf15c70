# Writes the bytes of INPUT as a C++ array NAME (with NAME##Size) into OUTPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "#include <cstddef>\n// Generated from ${INPUT}\nextern const unsigned char ${NAME}[];\nextern const std::size_t ${NAME}Size;\nconst unsigned char ${NAME}[] = {\n${bytes}0x00};\nconst std::size_t ${NAME}Size = ${byte_count};\n")
