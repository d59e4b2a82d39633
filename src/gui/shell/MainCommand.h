#pragma once
// The main window's commands, as its menus, toolbar and the parts that
// handle them name them.
namespace vantrel {

enum class MainCommand {
    Open, Save, PrintPreview, Print, Default, Exit, Read, Write, Help, About,
    Undo, Redo, Cut, Copy, Paste, Delete, Fleet, Archive
};

}  // namespace vantrel
