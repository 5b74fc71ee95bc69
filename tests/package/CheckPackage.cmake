# Packs the release twice, into two folders, and checks what a user downloads: the same zip and the same MSI
# both times; a zip holding exactly dorvik.exe, BENIOKU.txt and LICENSE.txt; a BENIOKU.txt that Notepad shows
# right; an MSI whose tables (read by msiinfo) install those files, the Start-menu shortcut and the event-log
# source; and a SHA256SUMS that names both hashes, and a winget manifest the zip's.
# Run as: cmake -DPACKAGE=<scripts/package> -DWORK=<folder> -DVERSION=<version> [-DPREBUILT=<build folder>]
#         -P CheckPackage.cmake
# With PREBUILT the dorvik.exe of that windows-preset build is packed, instead of one built for the purpose.

cmake_minimum_required(VERSION 3.25)

if(NOT PACKAGE OR NOT WORK OR NOT VERSION)
    message(FATAL_ERROR "PACKAGE, WORK and VERSION must be given")
endif()

set(name dorvik-${VERSION}-win64.zip)
set(msi_name dorvik-${VERSION}-x64.msi)
foreach(run IN ITEMS first second)
    file(REMOVE_RECURSE ${WORK}/${run})
    if(PREBUILT)
        set(source --prebuilt ${PREBUILT})
    else()
        set(source --build ${WORK}/build)
    endif()
    execute_process(COMMAND bash ${PACKAGE} ${source} --out ${WORK}/${run}
        RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(failed)
        message(FATAL_ERROR "scripts/package failed on its ${run} run:\n${output}")
    endif()
    if(NOT EXISTS ${WORK}/${run}/${name})
        message(FATAL_ERROR "scripts/package wrote no ${name}:\n${output}")
    endif()
    file(SHA256 ${WORK}/${run}/${name} ${run}_sha256)
    if(NOT EXISTS ${WORK}/${run}/${msi_name})
        message(FATAL_ERROR "scripts/package wrote no ${msi_name}:\n${output}")
    endif()
    file(SHA256 ${WORK}/${run}/${msi_name} ${run}_msi_sha256)
endforeach()
if(NOT first_sha256 STREQUAL second_sha256)
    message(FATAL_ERROR "Two runs from the same sources gave two zips: ${first_sha256} and ${second_sha256}")
endif()
if(NOT first_msi_sha256 STREQUAL second_msi_sha256)
    message(FATAL_ERROR "Two runs from the same sources gave two MSIs: ${first_msi_sha256} and "
                        "${second_msi_sha256}")
endif()
set(zip ${WORK}/first/${name})
set(msi ${WORK}/first/${msi_name})

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

# Each table as msiinfo exports it, one row a line and tabs between the columns; one line per row the MSI
# must hold.
set(source "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Dorvik")
foreach(expected IN ITEMS
        "File:dorvik.exe\tProgram\tdorvik.exe\t"
        "File:BENIOKU.txt\tReadme\tBENIOKU.txt\t"
        "File:LICENSE.txt\tLicence\tLICENSE.txt\t"
        "Directory:INSTALLDIR\tProgramFiles64Folder\tDorvik\n"
        "Shortcut:StartMenuShortcut\tProgramMenuFolder\tDorvik!\tProgram\t[#dorvik.exe]\t"
        "Registry:\t2\t${source}\t*\t\tProgram\n"
        "Registry:\t2\t${source}\tEventMessageFile\t#%[#dorvik.exe]\tProgram\n"
        "Registry:\t2\t${source}\tTypesSupported\t#7\tProgram\n"
        "Property:\nALLUSERS\t1\n"
        "Property:\nManufacturer\tDorvik geliştiricileri\n"
        "Property:\nProductVersion\t${VERSION}\n"
        "Upgrade:{AD44E99D-DB99-42FE-B9F2-24F10A2CB13D}\t\t${VERSION}\t")
    string(FIND "${expected}" ":" colon)
    string(SUBSTRING "${expected}" 0 ${colon} table)
    math(EXPR colon "${colon} + 1")
    string(SUBSTRING "${expected}" ${colon} -1 row)
    if(NOT DEFINED ${table}_rows)
        execute_process(COMMAND msiinfo export ${msi} ${table} OUTPUT_VARIABLE ${table}_rows
            RESULT_VARIABLE failed ERROR_VARIABLE error)
        if(failed)
            list(APPEND problems "msiinfo could not read the ${table} table: ${error}")
        endif()
        string(REPLACE "\r\n" "\n" ${table}_rows "${${table}_rows}")
    endif()
    string(FIND "${${table}_rows}" "${row}" at)
    if(at EQUAL -1)
        string(REPLACE "\t" " | " shown "${row}")
        string(STRIP "${shown}" shown)
        list(APPEND problems "the MSI's ${table} table has no row with '${shown}'")
    endif()
endforeach()

file(READ ${WORK}/first/SHA256SUMS sums)
if(NOT sums STREQUAL "${first_sha256}  ${name}\n${first_msi_sha256}  ${msi_name}\n")
    list(APPEND problems "SHA256SUMS reads '${sums}', not the zip's and the MSI's hashes and names")
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
file(SIZE ${msi} size)
string(TOUPPER ${first_msi_sha256} upper_sha256)
message(STATUS "${msi_name}: ${size} bytes, the same twice, SHA-256 ${upper_sha256}")
