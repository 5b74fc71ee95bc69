# Turns the pixel map of the lightning bolt into the program's three icons, written as raw RT_ICON and
# RT_GROUP_ICON resources that the resource script includes:
#
#   cmake -DMAP=resources/icons/bolt.txt -DOUTPUT=<build dir>/dorvik_icons.rc2 -P cmake/GenerateIcons.cmake
#
# Script mode keeps the build down to CMake and the resource compiler: the picture stays readable text in
# the repository, and neither Debian nor a Windows MinGW machine needs an image tool, an interpreter or a
# host compiler to turn it into icons.
cmake_minimum_required(VERSION 3.25)

foreach(input IN ITEMS MAP OUTPUT)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "GenerateIcons.cmake needs -D${input}=<path>")
    endif()
endforeach()

# The icons' edge in pixels. At 32, the rows of 4-bit colour and of 1-bit mask need no padding to the
# 4-byte row alignment of a bitmap.
set(size 32)

# The standard Windows 16-colour palette, by index, and the RGB value of each entry.
set(colour_names black maroon green olive navy purple teal silver grey red lime yellow blue fuchsia aqua white)
set(colour_rgb
    000000 800000 008000 808000 000080 800080 008080 C0C0C0
    808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF FFFFFF)

set(hex_digits 0123456789ABCDEF)

# The map: lines starting with '#' are its legend, and only the rows of pixels remain.
file(STRINGS "${MAP}" rows REGEX "^[^#]")
list(LENGTH rows row_count)
if(NOT row_count EQUAL size)
    message(FATAL_ERROR "${MAP}: ${row_count} rows of pixels, expected ${size}")
endif()
set(row_number 0)
foreach(row IN LISTS rows)
    math(EXPR row_number "${row_number} + 1")
    string(LENGTH "${row}" width)
    if(NOT width EQUAL size)
        message(FATAL_ERROR "${MAP}: row ${row_number} has ${width} pixels, expected ${size}")
    endif()
    if(NOT row MATCHES "^[.KBS]+$")
        message(FATAL_ERROR "${MAP}: row ${row_number} holds a character other than . K B S: '${row}'")
    endif()
endforeach()

# A device-independent bitmap stores its bottom row first.
set(rows_bottom_up ${rows})
list(REVERSE rows_bottom_up)

# Bytes travel as two upper-case hex digits, so that the rows of 4-bit pixels can be spelt out directly.
function(hex_byte out_var value)
    math(EXPR high "(${value} >> 4) & 15")
    math(EXPR low "${value} & 15")
    string(SUBSTRING "${hex_digits}" ${high} 1 high_digit)
    string(SUBSTRING "${hex_digits}" ${low} 1 low_digit)
    set(${out_var} "${high_digit}${low_digit}" PARENT_SCOPE)
endfunction()

# Appends value to the named list as byte_count bytes, least significant first, as every field of the
# icon structures is stored.
function(append_le list_var value byte_count)
    set(bytes ${${list_var}})
    math(EXPR last "${byte_count} - 1")
    foreach(i RANGE ${last})
        math(EXPR byte "(${value} >> (8 * ${i})) & 255")
        hex_byte(byte "${byte}")
        list(APPEND bytes ${byte})
    endforeach()
    set(${list_var} ${bytes} PARENT_SCOPE)
endfunction()

# Appends a string of hex digits to the named list, two digits to a byte.
function(append_hex list_var digits)
    set(bytes ${${list_var}})
    string(LENGTH "${digits}" digit_count)
    math(EXPR last "${digit_count} - 2")
    foreach(i RANGE 0 ${last} 2)
        string(SUBSTRING "${digits}" ${i} 2 byte)
        list(APPEND bytes ${byte})
    endforeach()
    set(${list_var} ${bytes} PARENT_SCOPE)
endfunction()

# The resource compiler takes raw data as 16-bit words, so byte pairs become little-endian words,
# words_per_line of them on each line of the result (a list of lines).
function(format_words out_var bytes words_per_line)
    list(LENGTH bytes byte_count)
    math(EXPR remainder "${byte_count} % 2")
    if(NOT remainder EQUAL 0)
        message(FATAL_ERROR "raw resource data must be a whole number of words, got ${byte_count} bytes")
    endif()
    set(lines)
    set(line)
    set(words_on_line 0)
    math(EXPR last "${byte_count} - 2")
    foreach(i RANGE 0 ${last} 2)
        math(EXPR next "${i} + 1")
        list(GET bytes ${i} low)
        list(GET bytes ${next} high)
        if(words_on_line EQUAL 0)
            set(line "0x${high}${low}")
        else()
            string(APPEND line ", 0x${high}${low}")
        endif()
        math(EXPR words_on_line "${words_on_line} + 1")
        if(words_on_line EQUAL words_per_line)
            list(APPEND lines "${line}")
            set(words_on_line 0)
        endif()
    endforeach()
    if(NOT words_on_line EQUAL 0)
        list(APPEND lines "${line}")
    endif()
    set(${out_var} ${lines} PARENT_SCOPE)
endfunction()

function(colour_index out_var name)
    list(FIND colour_names ${name} index)
    if(index LESS 0)
        message(FATAL_ERROR "'${name}' is not a colour of the 16-colour palette")
    endif()
    set(${out_var} ${index} PARENT_SCOPE)
endfunction()

# The parts of an icon image that all three icons share.
set(header_bytes)
math(EXPR xor_bytes_per_row "${size} / 2")
math(EXPR mask_bytes_per_row "${size} / 8")
math(EXPR xor_size "${xor_bytes_per_row} * ${size}")
math(EXPR mask_size "${mask_bytes_per_row} * ${size}")
math(EXPR double_height "2 * ${size}")

# BITMAPINFOHEADER. The height counts the colour image and the AND mask stacked on top of each other.
append_le(header_bytes 40 4)                       # biSize
append_le(header_bytes ${size} 4)                  # biWidth
append_le(header_bytes ${double_height} 4)         # biHeight
append_le(header_bytes 1 2)                        # biPlanes
append_le(header_bytes 4 2)                        # biBitCount
append_le(header_bytes 0 4)                        # biCompression: BI_RGB
math(EXPR image_size "${xor_size} + ${mask_size}")
append_le(header_bytes ${image_size} 4)            # biSizeImage
append_le(header_bytes 0 4)                        # biXPelsPerMeter
append_le(header_bytes 0 4)                        # biYPelsPerMeter
append_le(header_bytes 0 4)                        # biClrUsed: all 16 entries
append_le(header_bytes 0 4)                        # biClrImportant

# RGBQUAD entries store blue, green, red and a reserved zero.
set(palette_bytes)
foreach(rgb IN LISTS colour_rgb)
    string(SUBSTRING "${rgb}" 0 2 red)
    string(SUBSTRING "${rgb}" 2 2 green)
    string(SUBSTRING "${rgb}" 4 2 blue)
    list(APPEND palette_bytes ${blue} ${green} ${red} 00)
endforeach()

# AND mask: a set bit lets the background through. Four mask bits make one hex digit, so each group of
# four pixels, written as '1' for transparent and '0' for painted, is looked up among the 16 patterns.
set(nibble_patterns
    0000 0001 0010 0011 0100 0101 0110 0111 1000 1001 1010 1011 1100 1101 1110 1111)
math(EXPR last_nibble "${size} - 4")
set(mask_bytes)
foreach(row IN LISTS rows_bottom_up)
    string(REGEX REPLACE "[^.]" "0" bits "${row}")
    string(REPLACE "." "1" bits "${bits}")
    set(digits)
    foreach(i RANGE 0 ${last_nibble} 4)
        string(SUBSTRING "${bits}" ${i} 4 pattern)
        list(FIND nibble_patterns ${pattern} value)
        string(SUBSTRING "${hex_digits}" ${value} 1 digit)
        string(APPEND digits ${digit})
    endforeach()
    append_hex(mask_bytes ${digits})
endforeach()

list(LENGTH header_bytes header_size)
list(LENGTH palette_bytes palette_size)
math(EXPR dib_size "${header_size} + ${palette_size} + ${xor_size} + ${mask_size}")

format_words(header_lines "${header_bytes}" 10)
format_words(palette_lines "${palette_bytes}" 8)
format_words(mask_lines "${mask_bytes}" 8)

# One icon: the image (RT_ICON, type 3) and the group that names it (RT_GROUP_ICON, type 14), which is
# what LoadIcon and LoadImage look up by the group's id.
function(icon_resources out_var group_id image_id body_name shading_name)
    colour_index(body ${body_name})
    colour_index(shading ${shading_name})
    string(SUBSTRING "${hex_digits}" ${body} 1 body_digit)
    string(SUBSTRING "${hex_digits}" ${shading} 1 shading_digit)

    # At 4 bits per pixel each map character becomes one hex digit, the left pixel in the high half of a
    # byte. Transparent pixels are black in the colour image so that the mask alone decides.
    set(xor_bytes)
    foreach(row IN LISTS rows_bottom_up)
        string(REPLACE "." "0" digits "${row}")
        string(REPLACE "K" "0" digits "${digits}")
        string(REPLACE "B" "${body_digit}" digits "${digits}")
        string(REPLACE "S" "${shading_digit}" digits "${digits}")
        append_hex(xor_bytes ${digits})
    endforeach()
    format_words(xor_lines "${xor_bytes}" 8)

    # GRPICONDIR with one GRPICONDIRENTRY.
    set(group_bytes)
    append_le(group_bytes 0 2)                     # idReserved
    append_le(group_bytes 1 2)                     # idType: icon
    append_le(group_bytes 1 2)                     # idCount
    append_le(group_bytes ${size} 1)               # bWidth
    append_le(group_bytes ${size} 1)               # bHeight
    append_le(group_bytes 16 1)                    # bColorCount
    append_le(group_bytes 0 1)                     # bReserved
    append_le(group_bytes 1 2)                     # wPlanes
    append_le(group_bytes 4 2)                     # wBitCount
    append_le(group_bytes ${dib_size} 4)           # dwBytesInRes
    append_le(group_bytes ${image_id} 2)           # nId: the RT_ICON resource
    format_words(group_lines "${group_bytes}" 10)

    set(image_lines ${header_lines} ${palette_lines} ${xor_lines} ${mask_lines})
    list(JOIN image_lines ",\n    " image_text)
    list(JOIN group_lines ",\n    " group_text)
    set(${out_var} "\
// ${group_id}: ${body_name} bolt, ${shading_name} shading (${dib_size} bytes)
${image_id} 3
BEGIN
    ${image_text}
END

${group_id} 14
BEGIN
    ${group_text}
END
" PARENT_SCOPE)
endfunction()

icon_resources(idle IDI_DORVIK 1 lime green)        # nothing armed; also the program file's icon
icon_resources(armed IDI_DORVIKSET 2 yellow olive)   # a closing is armed
icon_resources(closing IDI_KAPAN 3 red maroon)       # the closing is under way

get_filename_component(map_name "${MAP}" NAME)
file(WRITE "${OUTPUT}" "\
// Generated by GenerateIcons.cmake from ${map_name} at build time: change the map, not this file.
// Include it after resource.h, which defines the group ids.

${idle}
${armed}
${closing}")
