#pragma once
// The editor form's size in twips, and its tab control's: set by the editor
// load and again after a read that shows the first tab.
namespace vantrel::editorsize {

constexpr int kEditorWidth = 15120;
constexpr int kEditorHeight = 7800;
constexpr int kTabsWidth = 12020;
constexpr int kTabsHeight = 6800;

}  // namespace vantrel::editorsize
