#include "usage.h"

namespace skinwright::cli {

std::string_view UsageText()
{
    return "Usage: skinpack COMMAND [ARGUMENTS]\n"
           "\n"
           "Reads and writes iconres.ezx, the icon-resource packet of Motorola EZX phones.\n"
           "\n"
           "Commands:\n"
           "  list PACKET              one line per resource: name, id, name offset, data offset\n"
           "  info PACKET              the packet header, the comment and the counts\n"
           "  extract PACKET FOLDER    write \"headerfile\", \"hashtable\" and every picture (its\n"
           "                           resource name with \"if\" appended) into FOLDER\n"
           "  build FOLDER -o PACKET   generate a packet from the pictures in FOLDER\n"
           "  verify PACKET            check the packet against the layout the writer makes\n"
           "  hash NAME...             the resource id of each name\n"
           "  pictures PACKET          one line per resource: name, id, bytes, width x height,\n"
           "                           frames, and \"ok\" or what is wrong with its picture\n"
           "  diff OLD NEW             the resources only in OLD, only in NEW and changed, each\n"
           "                           with its picture's facts, the comment when it changed\n"
           "  sheet PACKET -o FOLDER   a contact sheet: FOLDER/index.html shows every picture\n"
           "\n"
           "Options of build:\n"
           "  -o, --output PACKET      the packet to write\n"
           "  -f, --force              replace PACKET when it exists\n"
           "  --order FILE             the resources in the order of FILE: a \"hashtable\" (names\n"
           "                           and ids as they stand) or one resource name a line;\n"
           "                           without it every *.gif of FOLDER, ordered by file name\n"
           "  --comment TEXT           the comment, in UTF-8\n"
           "  --comment-file FILE      the comment, the file's bytes as they stand\n"
           "  --comment-from FILE      the comment of a packet or a \"headerfile\"\n"
           "\n"
           "Options of pictures, diff and sheet:\n"
           "  --problems               pictures: only the faulty ones; exit 1 when there are any\n"
           "  -q, --quiet              diff: print nothing; exit 0 the same, 1 different\n"
           "  -o, --output FOLDER      sheet: the folder to write; it must be empty or new\n"
           "  -f, --force              sheet: write into a folder that holds files\n"
           "\n"
           "Every command takes -h (--help) and --version.\n"
           "Exit status: 0 done, 1 failed (or verify found faults), 2 wrong command line;\n"
           "diff: 0 the same content, 1 different, 2 wrong command line or unreadable packet.\n"
           "\n"
           "Take a packet apart and build it again:\n"
           "  skinpack extract iconres.ezx skin\n"
           "  skinpack build skin --order skin/hashtable --comment-from iconres.ezx -o new.ezx\n";
}

std::string VersionText()
{
    return std::string("skinpack ") + SKINPACK_VERSION + "\n";
}

}  // namespace skinwright::cli
