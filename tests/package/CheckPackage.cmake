# Packs the release twice, into two folders, and checks what a user downloads: the same zip both times,
# holding exactly dorvik.exe, BENIOKU.txt and LICENSE.txt; a BENIOKU.txt that Notepad shows right; and a
# SHA256SUMS and winget manifest that name that zip's hash.
# Run as: cmake -DPACKAGE=<scripts/package> -DWORK=<folder> -DVERSION=<version> -P CheckPackage.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT PACKAGE OR NOT WORK OR NOT VERSION)
    message(FATAL_ERROR "PACKAGE, WORK and VERSION must be given")
endif()

set(name dorvik-${VERSION}-win64.zip)
foreach(run IN ITEMS first second)
    file(REMOVE_RECURSE ${WORK}/${run})
    execute_process(COMMAND bash ${PACKAGE} --build ${WORK}/build --out ${WORK}/${run}
        RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(failed)
        message(FATAL_ERROR "scripts/package failed on its ${run} run:\n${output}")
    endif()
    if(NOT EXISTS ${WORK}/${run}/${name})
        message(FATAL_ERROR "scripts/package wrote no ${name}:\n${output}")
    endif()
    file(SHA256 ${WORK}/${run}/${name} ${run}_sha256)
endforeach()
if(NOT first_sha256 STREQUAL second_sha256)
    message(FATAL_ERROR "Two runs from the same sources gave two zips: ${first_sha256} and ${second_sha256}")
endif()
set(zip ${WORK}/first/${name})

set(problems "")

# Unpacked by libarchive, not by the zip program that wrote it.
set(unpacked ${WORK}/unpacked)
file(REMOVE_RECURSE ${unpacked})
file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${unpacked})
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${unpacked} ${unpacked}/*)
list(SORT entries)
if(NOT entries STREQUAL "BENIOKU.txt;LICENSE.txt;dorvik.exe")
    string(REPLACE ";" ", " entry_text "${entries}")
    list(APPEND problems "the zip holds ${entry_text}, not BENIOKU.txt, LICENSE.txt and dorvik.exe")
endif()

if(EXISTS ${unpacked}/BENIOKU.txt)
    file(READ ${unpacked}/BENIOKU.txt bom LIMIT 3 HEX)
    if(NOT bom STREQUAL "efbbbf")
        list(APPEND problems "BENIOKU.txt does not start with the UTF-8 byte-order mark")
    endif()
    # Read as hex, one byte a token, since file(READ) as text drops the CRs. With every CR LF taken out,
    # no LF may be left.
    file(READ ${unpacked}/BENIOKU.txt bytes HEX)
    string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
    string(REPLACE "0d 0a " "" bare "${bytes}")
    if(bare MATCHES "(^| )0a " OR bare STREQUAL bytes)
        list(APPEND problems "BENIOKU.txt has a line that does not end in CR LF")
    endif()
endif()

file(READ ${WORK}/first/SHA256SUMS sums)
if(NOT sums STREQUAL "${first_sha256}  ${name}\n")
    list(APPEND problems "SHA256SUMS reads '${sums}', not the zip's hash and name")
endif()

string(TOUPPER ${first_sha256} upper_sha256)
file(STRINGS ${WORK}/first/winget/Dorvik.Dorvik.installer.yaml hash_lines REGEX "InstallerSha256:")
if(NOT hash_lines MATCHES "^ *InstallerSha256: ${upper_sha256}$")
    list(APPEND problems "the winget installer manifest names '${hash_lines}', not the zip's ${upper_sha256}")
endif()

if(problems)
    string(REPLACE ";" "\n  " problem_text "${problems}")
    message(FATAL_ERROR "The release package is not what a user should download:\n  ${problem_text}")
endif()
file(SIZE ${zip} size)
message(STATUS "${name}: ${size} bytes, the same twice, SHA-256 ${upper_sha256}")
