#include "usage.h"

#include <ostream>

#include "commands.h"

namespace skinwright::cli {

std::string_view UsageText()
{
    return "Usage: skinpack COMMAND [ARGUMENTS]\n"
           "\n"
           "Reads and writes iconres.ezx, the icon-resource packet of Motorola EZX phones.\n"
           "\n"
           "Commands:\n"
           "  list PACKET                      list the resources: id, name offset, data offset, name\n"
           "  extract PACKET NAME [-o FILE]    save one resource's picture (default: NAME with \"if\"\n"
           "                                   appended, in the current folder)\n"
           "  export PACKET FOLDER             save every picture and the side files \"headerfile\"\n"
           "                                   and \"hashtable\" into FOLDER (created when missing)\n"
           "  build WORK_FOLDER -o PACKET      generate a packet from the pictures in WORK_FOLDER\n"
           "  hash NAME...                     print the resource id of each name\n"
           "  help                             print this text\n"
           "\n"
           "Options of build:\n"
           "  --order FILE          take the pictures in the order of FILE, one file name a line\n"
           "                        (default: every *.gif of WORK_FOLDER, by file name)\n"
           "  --hashtable FILE      take names and ids as they stand in a \"hashtable\" side file\n"
           "  --comment TEXT        the packet's comment\n"
           "  --comment-file FILE   the comment from a UTF-8 text file\n"
           "  --comment-from FILE   the comment of a packet or \"headerfile\"\n"
           "\n"
           "extract and build refuse to replace an existing file unless given -f (--force);\n"
           "export replaces the files it writes.\n"
           "\n"
           "Exit status: 0 done, 1 failed, 2 wrong command line.\n"
           "\n"
           "Example: export a packet, then build it again from the exported folder:\n"
           "  skinpack export iconres.ezx skin/\n"
           "  skinpack build skin/ --hashtable skin/hashtable --comment-from skin/headerfile -o new.ezx\n";
}

int UsageError(std::ostream& err, std::string_view message)
{
    err << "skinpack: " << message << "\nTry 'skinpack help'.\n";
    return kExitUsage;
}

}  // namespace skinwright::cli
