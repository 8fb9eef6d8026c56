# Writes OUTPUT, a C++ source defining BuiltInCatalogs() with the bytes of
# each compiled catalog LANGUAGE.mo in FOLDER, for LANGUAGE in LANGUAGES
# (a comma-separated list).
string(REPLACE "," ";" languages "${LANGUAGES}")
set(source "// Made by cmake/embed_catalogs.cmake from the catalogs in po/.\n")
string(APPEND source "#include \"behaviour/catalogs.h\"\n\nnamespace skinwright::behaviour {\nnamespace {\n\n")
set(entries "")
foreach(language IN LISTS languages)
  file(READ "${FOLDER}/${language}.mo" bytes HEX)
  string(LENGTH "${bytes}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${bytes}")
  # Sixteen bytes a line, each written as four characters.
  string(REPEAT "." 64 line)
  string(REGEX REPLACE "(${line})" "\\1\"\n    \"" escaped "${escaped}")
  string(APPEND source "constexpr char k_${language}[] =\n    \"${escaped}\";\n\n")
  string(APPEND entries "    {\"${language}\", {k_${language}, ${size}}},\n")
endforeach()
string(APPEND source "}  // namespace\n\nstd::span<const Catalog> BuiltInCatalogs()\n{\n")
string(APPEND source "    static constexpr Catalog kCatalogs[] = {\n${entries}    };\n    return kCatalogs;\n}\n\n")
string(APPEND source "}  // namespace skinwright::behaviour\n")
file(WRITE "${OUTPUT}.new" "${source}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
