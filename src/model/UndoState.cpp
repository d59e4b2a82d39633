#include "model/UndoState.h"

#include <cstring>
#include <functional>

namespace vantrel {

namespace {

// Writes each field in turn.
class Writer {
public:
    UndoStateParts parts{std::string()};
    void part() { parts.emplace_back(); }
    template <typename T>
    std::enable_if_t<std::is_arithmetic_v<T>> operator()(const T& v) {
        parts.back().append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    void operator()(const std::string& s) {
        (*this)(static_cast<std::uint32_t>(s.size()));
        parts.back() += s;
    }
    void operator()(const GridCell& c) {
        (*this)(c.text);
        (*this)(c.grey);
    }
    void operator()(const CodeplugImage& image) {
        parts.back().append(reinterpret_cast<const char*>(image.bytes().data()), image.bytes().size());
    }
    template <typename T, std::size_t N>
    void operator()(const std::array<T, N>& a) {
        for (const T& v : a) (*this)(v);
    }
    template <typename T>
    void operator()(const std::vector<T>& v) {
        (*this)(static_cast<std::uint32_t>(v.size()));
        for (const T& x : v) (*this)(x);
    }
};

// Reads them back in the same order; any shortfall makes it fail.
class Reader {
public:
    explicit Reader(const UndoStateParts& parts) : parts_(parts), in_(parts.at(0)) {}
    bool ok = true;
    bool done() const { return ok && at_ == in_.get().size() && part_ + 1 == parts_.size(); }
    void part() {
        if (!ok || at_ != in_.get().size() || part_ + 1 >= parts_.size()) {
            ok = false;
            return;
        }
        in_ = parts_[++part_];
        at_ = 0;
    }

    template <typename T>
    std::enable_if_t<std::is_arithmetic_v<T>> operator()(T& v) {
        if (!take(&v, sizeof v)) v = T{};
    }
    void operator()(std::string& s) {
        std::uint32_t n = 0;
        (*this)(n);
        if (!ok || n > in_.get().size() - at_) {
            ok = false;
            return;
        }
        s.assign(in_.get(), at_, n);
        at_ += n;
    }
    void operator()(GridCell& c) {
        (*this)(c.text);
        (*this)(c.grey);
    }
    void operator()(CodeplugImage& image) {
        CodeplugImage::Bytes b{};
        if (take(b.data(), b.size())) image.replaceAll(b);
    }
    template <typename T, std::size_t N>
    void operator()(std::array<T, N>& a) {
        for (T& v : a) (*this)(v);
    }
    template <typename T>
    void operator()(std::vector<T>& v) {
        std::uint32_t n = 0;
        (*this)(n);
        if (!ok || n > in_.get().size() - at_) {
            ok = false;
            return;
        }
        v.resize(n);
        for (T& x : v) (*this)(x);
    }

private:
    bool take(void* to, std::size_t n) {
        if (!ok || n > in_.get().size() - at_) return ok = false;
        std::memcpy(to, in_.get().data() + at_, n);
        at_ += n;
        return true;
    }
    const UndoStateParts& parts_;
    std::size_t part_ = 0;
    std::reference_wrapper<const std::string> in_;
    std::size_t at_ = 0;
};

// Every field a step keeps, in one order for both directions. The tab shown
// is left out: looking at the other tab is no edit, and undo must not flip
// the page away from the field the user is looking at. A field added to
// EditingCopies belongs here too.
template <typename Io, typename State, typename Copies>
void fields(Io& io, State& s, Copies& e) {
    io(s.image);
    io(s.band.lowMHz);
    io(s.band.highMHz);
    io(s.band.isUhf);
    io(s.band.ifOffsetMHz);
    io(s.band.known);
    io(s.passwordKept);
    io.part();
    io(e.tpl.rx);
    io(e.tpl.tx);
    io(e.password);
    io(e.serial);
    io(e.superNumber);
    io(e.passwordEnabled);
    io(e.serialEnabled);
    io(e.superEnabled);
    io(e.priorityText);
    io(e.priorityUpDown);
    io(e.priorityMax);
    io(e.features);
    io(e.timingTexts);
    io(e.timingUpDown);
    io(e.timingMin);
    io(e.shortLists);
    io(e.shortPosition);
    io(e.longPosition);
    io(e.channelList);
    io(e.scanList);
    io(e.cells[0]);
    io(e.gridChannels);
    io(e.locked);
    io(e.editorLoaded);
    io(e.gridRows);
    io(e.longBasis);
    io(e.modelLabel);
    io(e.rangeLabel);
    io(e.firmwareLabel);
    io(e.codeplugLabel);
    // A part of its own for each grid row, so an edit of one row changes one
    // small part.
    for (std::size_t row = 1; row < e.cells.size(); ++row) {
        io.part();
        io(e.cells[row]);
        io(e.revBurstStep[row - 1]);
    }
}

}  // namespace

UndoStateParts UndoStateBytes(const EditingModel& model) {
    Writer w;
    fields(w, model.state(), model.copies());
    return std::move(w.parts);
}

bool RestoreUndoState(EditingModel& model, const UndoStateParts& bytes) {
    AppState state = model.state();
    EditingCopies copies = model.copies();
    Reader r(bytes);
    fields(r, state, copies);
    if (!r.done()) return false;
    AppState& live = model.state();
    live.image = state.image;
    live.band = state.band;
    live.passwordKept = state.passwordKept;
    const int tab = model.copies().tab;
    model.copies() = copies;
    model.copies().tab = tab;
    return true;
}

}  // namespace vantrel
