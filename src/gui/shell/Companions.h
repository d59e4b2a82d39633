#pragma once
// Windows the commands open beside the main window, known by reference so
// that the editor and the closing can ask whether they are showing: the print
// preview, the about box, the read/write dialog.
#include <QPointer>
#include <QWidget>
#include <map>

namespace vantrel {

enum class Companion { Preview, About, ReadWrite };

class Companions {
public:
    void set(Companion kind, QWidget* window) { windows_[kind] = window; }
    // The window while it is open and shown, else nullptr.
    QWidget* shown(Companion kind) const {
        const auto it = windows_.find(kind);
        return it != windows_.end() && it->second && it->second->isVisible() ? it->second.data() : nullptr;
    }

private:
    std::map<Companion, QPointer<QWidget>> windows_;
};

}  // namespace vantrel
