# Windows system libraries that the program loads only when it first calls
# into them, not at its start: an import library made "delayed" by dlltool
# from the names the toolchain's own import library exports. Made once, when
# the build is configured.
find_program(SKINWRIGHT_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool REQUIRED)
find_program(SKINWRIGHT_NM NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-nm REQUIRED)

# Makes the target delay_loaded::NAME, to link instead of NAME.
function(skinwright_delay_loaded name)
  find_library(import_library ${name} REQUIRED NO_CACHE)
  set(folder ${CMAKE_BINARY_DIR}/delay-loaded)
  set(definitions ${folder}/${name}.def)
  set(library ${folder}/lib${name}_delayed.a)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND ${SKINWRIGHT_NM} -g ${import_library} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
  list(TRANSFORM imports REPLACE " I __imp_" "")
  list(REMOVE_DUPLICATES imports)
  # Interface ids are data, which libuuid holds; a delayed import of one
  # would be a call thunk in its place.
  list(FILTER imports EXCLUDE REGEX "^(IID|CLSID|LIBID|GUID|FMTID)_")
  list(JOIN imports "\n" exports)
  file(WRITE ${definitions} "LIBRARY ${name}.dll\nEXPORTS\n${exports}\n")
  execute_process(COMMAND ${SKINWRIGHT_DLLTOOL} --input-def ${definitions} --dllname ${name}.dll
                          --output-delaylib ${library} COMMAND_ERROR_IS_FATAL ANY)
  add_library(delay_loaded::${name} STATIC IMPORTED GLOBAL)
  set_target_properties(delay_loaded::${name} PROPERTIES IMPORTED_LOCATION ${library})
endfunction()
