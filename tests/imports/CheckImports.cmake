# Fails when the program imports more than its job needs: a DLL beyond Windows' own user-interface, shell
# and security libraries, anything that reaches the network, or anything that opens or writes to the
# registry or to files of its own. Run as: cmake -DOBJDUMP=<objdump> -DEXE=<dorvik.exe> -P CheckImports.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT OBJDUMP OR NOT EXE)
    message(FATAL_ERROR "OBJDUMP and EXE must be given")
endif()

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" dll_lines "${dump}")
# Windows takes every DLL here from its own folders whatever lies beside the program: each is a known DLL, and
# the common controls come from the side-by-side store the manifest names. The power library and the IP
# helper are neither, so they are loaded by their full path when needed.
set(allowed_dlls ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SHELL32.DLL USER32.DLL)
set(problems "")
set(dlls "")
foreach(line IN LISTS dll_lines)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOUPPER "${dll}" dll)
    list(APPEND dlls ${dll})
    if(NOT dll IN_LIST allowed_dlls)
        list(APPEND problems "imports ${dll}")
    endif()
endforeach()
if(NOT dlls)
    message(FATAL_ERROR "no imports found in ${EXE}: is it a Windows program?")
endif()

# Names of the imported functions: the last word of each import line under a DLL.
string(REGEX MATCHALL "\n\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_][A-Za-z0-9_]*" function_lines "${dump}")
set(functions "")
foreach(line IN LISTS function_lines)
    string(REGEX REPLACE ".* ([A-Za-z_][A-Za-z0-9_]*)$" "\\1" function "${line}")
    list(APPEND functions ${function})
endforeach()

# Writing the registry or files, reaching the network or starting programs is no part of the job. Two
# exceptions: WriteFile, as the command line's answers go to the standard output or error that the caller
# hands over, a pipe or a file the caller opened (without CreateFile the program cannot open a file of its
# own); and CreateProcessW, with which an arming command line starts the program's own copy that waits.
# CreateFileMappingW opens no file: the running copy makes itself known in a few bytes of named memory.
set(forbidden_patterns
    "^Reg(Set|Create|Delete|Save|Replace|Restore|Load|Copy|Rename)"
    "^SH(Set|Delete|Copy)Value"
    "^(CreateFile(A|W|2|Transacted[AW])?$|DeleteFile|MoveFile|CopyFile|CreateDirectory|RemoveDirectory)"
    "^(CreateProcess(A|AsUser|WithLogon|WithToken)|WinExec|ShellExecute)"
    "^(Internet|Http|WinHttp|URLDownload|WSA|socket|connect|send|recv)")
foreach(function IN LISTS functions)
    foreach(pattern IN LISTS forbidden_patterns)
        if(function MATCHES "${pattern}")
            list(APPEND problems "imports ${function}")
        endif()
    endforeach()
endforeach()

list(LENGTH functions count)
string(REPLACE ";" ", " dll_text "${dlls}")
message(STATUS "${EXE}: ${count} functions from ${dll_text}")
if(problems)
    list(REMOVE_DUPLICATES problems)
    string(REPLACE ";" "\n  " problem_text "${problems}")
    message(FATAL_ERROR "The program imports what its job does not need:\n  ${problem_text}")
endif()
