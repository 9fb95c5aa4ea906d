// The command table of tmk, in the order the overall help lists the commands. A command is
// a file cmd_NAME.cpp that defines `const Command& NameCommand()` plus one line here.
// Included twice by commands.cpp, with TMK_COMMAND defined each time; no include guard.

TMK_COMMAND(InfoCommand)
TMK_COMMAND(CheckCommand)
TMK_COMMAND(ExportCommand)
TMK_COMMAND(ImportCommand)
TMK_COMMAND(SearchCommand)
TMK_COMMAND(MergeCommand)
TMK_COMMAND(SheetCommand)
