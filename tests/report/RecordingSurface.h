#pragma once
// A page surface with fixed text metrics that records what is drawn, so that
// engine results do not depend on installed fonts: every character is 0.125
// units wide and a line is size x 0.02 units high (0.2 at 10 points).
#include <fstream>
#include <string>
#include <vector>

#include "report/PageSurface.h"
#include "report/PreviewHost.h"

namespace vantrel::report::testing {

struct Drawn {
    enum Kind { Text, Rotated, Line, Box, Circle, Picture } kind;
    std::string text;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    SurfaceFont font;
    int drawWidth = 1;
    int fillStyle = 1;
};

class RecordingSurface : public PageSurface {
public:
    static constexpr double kCharWidth = 0.125;
    static constexpr double kHeightPerPoint = 0.02;

    std::vector<Drawn> drawn;
    std::vector<std::string> saved;   // page files written

    double textWidth(const std::string& text) override {
        std::size_t chars = 0;
        for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
        return chars * kCharWidth;
    }
    double textHeight(const std::string&) override { return font.size * kHeightPerPoint; }

    std::vector<Drawn> texts() const {
        std::vector<Drawn> out;
        for (const auto& d : drawn)
            if (d.kind == Drawn::Text && !d.text.empty()) out.push_back(d);
        return out;
    }
    std::vector<Drawn> lines() const {
        std::vector<Drawn> out;
        for (const auto& d : drawn)
            if (d.kind == Drawn::Line) out.push_back(d);
        return out;
    }

    void paintPicture(const report::Picture&, double x, double y, double w, double h) override {
        record(Drawn::Picture, "", x, y, x + w, y + h);
    }
    void clearPicture() override { drawn.clear(); }
    bool saveImage(const std::string& path) override {
        if (path.empty()) return false;
        std::ofstream(path) << "page with " << drawn.size() << " items\n";
        saved.push_back(path);
        return true;
    }
    void setSizeTwips(double w, double h) override {
        widthTwips_ = w;
        heightTwips_ = h;
    }
    double widthTwips() const override { return widthTwips_; }
    double heightTwips() const override { return heightTwips_; }

protected:
    double pixelWidth() const override { return widthTwips_ / 15; }
    double pixelHeight() const override { return heightTwips_ / 15; }
    double dpiX() const override { return 96; }
    double dpiY() const override { return 96; }
    void drawText(double x, double y, const std::string& text) override {
        if (text.empty()) return;   // blank lines only move the position
        record(Drawn::Text, text, x, y, x, y);
    }
    void drawRotatedText(double x, double y, const std::string& text, int degrees) override {
        record(Drawn::Rotated, text, x, y, degrees, 0);
    }
    void drawLine(double x1, double y1, double x2, double y2) override {
        record(Drawn::Line, "", x1, y1, x2, y2);
    }
    void drawBox(double x1, double y1, double x2, double y2, Color) override {
        record(Drawn::Box, "", x1, y1, x2, y2);
    }
    void drawCircle(double x, double y, double r, Color, double aspect) override {
        record(Drawn::Circle, "", x, y, r, aspect);
    }

private:
    void record(Drawn::Kind kind, const std::string& text, double x1, double y1, double x2,
                double y2) {
        drawn.push_back({kind, text, x1, y1, x2, y2, font, drawWidth(), fillStyle});
    }
    double widthTwips_ = 0;
    double heightTwips_ = 0;
};

class RecordingHost : public PreviewHost {
public:
    RecordingSurface surface;
    int pageNumber = -1;
    std::string shownFile;
    int shows = 0;
    bool modal = false;
    ScrollRange vertical, horizontal;

    PageSurface& loadPreview() override { return surface; }
    void setScrollRanges(const ScrollRange& v, const ScrollRange& h) override {
        vertical = v;
        horizontal = h;
    }
    void setPageNumber(int last) override { pageNumber = last; }
    bool showPageFile(const std::string& path) override {
        shownFile = path;
        return true;
    }
    void showPreview(bool isModal) override {
        ++shows;
        modal = isModal;
    }
};

}  // namespace vantrel::report::testing
