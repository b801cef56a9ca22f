# Makes what a teacher downloads, in DIST: the program alone (stripped, checked to import
# nothing but Windows' own libraries), a portable zip with a Greek read-me, and the per-user
# installer. Run by the 'windows_dist' target with -D for each variable below.
#   EXE STRIP OBJDUMP MAKENSIS PYTHON ZIP_SCRIPT ICON README VERSION NSIS_SCRIPT STAGE DIST
# Everything is made in STAGE first; only when all three are finished do they move into DIST,
# so a step that fails leaves nothing half-made where a teacher would pick it up.
cmake_minimum_required(VERSION 3.25)

# The libraries that come with every Windows from 7 on; a DLL beyond these would have to be
# shipped beside the program. The print spooler's is a .drv.
set(windows_libraries
    advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt normaliz ole32 oleaut32 shell32 user32
    uxtheme winspool)
set(max_bytes 3145728) # 3 MiB: small enough to mail or carry on any USB stick

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}/zip")
set(program "${STAGE}/arithmitika.exe")
file(COPY_FILE "${EXE}" "${program}")
execute_process(COMMAND "${STRIP}" "${program}" COMMAND_ERROR_IS_FATAL ANY)

file(SIZE "${program}" bytes)
if(bytes GREATER max_bytes)
    message(FATAL_ERROR "arithmitika.exe is ${bytes} bytes, more than ${max_bytes}")
endif()
execute_process(COMMAND "${OBJDUMP}" -p "${program}" OUTPUT_VARIABLE headers
    COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
foreach(import IN LISTS imports)
    string(REGEX REPLACE "DLL Name: (.+)\\.([dD][lL][lL]|[dD][rR][vV])" "\\1" library "${import}")
    string(TOLOWER "${library}" library)
    if(NOT library IN_LIST windows_libraries)
        message(FATAL_ERROR "arithmitika.exe imports ${library}.dll, which Windows lacks")
    endif()
endforeach()

# The read-me as Notepad reads it on every Windows: UTF-8 with a byte-order mark, CR LF.
file(READ "${README}" readme)
string(CONFIGURE "${readme}" readme @ONLY)
string(REPLACE "\n" "\r\n" readme "${readme}")
string(ASCII 239 187 191 bom)
file(WRITE "${STAGE}/zip/ΔΙΑΒΑΣΕ.txt" "${bom}${readme}")
file(COPY_FILE "${program}" "${STAGE}/zip/arithmitika.exe")

# The same bytes from the same files, whatever the time zone, umask or locale.
set(zip "arithmitika-${VERSION}-windows-x64.zip")
execute_process(COMMAND "${PYTHON}" "${ZIP_SCRIPT}" "${STAGE}/zip" "${STAGE}/${zip}"
    COMMAND_ERROR_IS_FATAL ANY)

set(installer "arithmitika-${VERSION}-setup.exe")
execute_process(COMMAND "${MAKENSIS}" -V2 -INPUTCHARSET UTF8 "-DVERSION=${VERSION}"
        "-DEXE=${program}" "-DREADME_SOURCE=${STAGE}/zip/ΔΙΑΒΑΣΕ.txt" "-DICON=${ICON}"
        "-DOUTFILE=${STAGE}/${installer}" "${NSIS_SCRIPT}"
    COMMAND_ERROR_IS_FATAL ANY)

# Each file lands whole: copied beside its final name, then renamed over it.
file(MAKE_DIRECTORY "${DIST}")
foreach(made arithmitika.exe "${zip}" "${installer}")
    file(COPY_FILE "${STAGE}/${made}" "${DIST}/.${made}.part")
    file(RENAME "${DIST}/.${made}.part" "${DIST}/${made}")
endforeach()
file(REMOVE_RECURSE "${STAGE}")
