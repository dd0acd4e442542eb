// U-value report lines for the result window.

#include "envelope/uvalue_report.h"

#include "app/captions.h"
#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

const std::string kCr = "\r";
const std::string kMargin(8, ' ');
const std::string kRule(145, '-');
const std::string kCell = "&%!";
const std::string kBold = "&$$";
const std::string kUnitAlpha = " W/m²K";
const std::string kUnitU = " W/m²/K";

void Blank(std::vector<std::string>& out, int count) {
    out.insert(out.end(), count, kCr);
}
void Rule(std::vector<std::string>& out, int count) {
    out.insert(out.end(), count, kMargin + kRule);
}

// The block of one side's surface coefficient: heading, level caption and value.
void SideBlock(std::vector<std::string>& out, const CaptionTable& cap, Cap sideWord,
               const std::string& alphaName, const std::string& level, double alpha) {
    out.push_back(kMargin + cap[Cap::SurfaceCoefficientWord] + " " + cap[sideWord] + " - " + alphaName +
                  " :");
    Blank(out, 1);
    out.push_back(kMargin + level + " ;   " + DisplayText(alpha) + kUnitAlpha);
}

void LayerTable(std::vector<std::string>& out, const Construction& c, const UValueResult& u,
                const CaptionTable& cap) {
    out.push_back(kMargin + std::string(21, ' ') + kCell + "s/[mm]" + kCell + "lam /[W/mK]" + kCell +
                  cap[Cap::MaterialWord] + kCell + u.insideLevel + kCell + "  " + kCell + "  " + kCr);
    Blank(out, 1);
    Rule(out, 1);
    // Rows are listed while the thickness reads as a number other than 0; a row whose lambda is missing is
    // listed although it does not count in R.
    for (int row = 1; row <= kLayerRows; ++row) {
        const std::string& s = c.layers.at(row, kColThickness);
        if (NumFromText(std::string_view(s)) == 0.0) break;
        out.push_back(kMargin + DisplayText(row) + kCell + s + kCell + c.layers.at(row, kColLambda) + kCell +
                      c.layers.at(row, kColMaterial) + kCell + kCell + "  " + kCell + "  " + kCr);
        Blank(out, 1);
    }
}

} // namespace

std::vector<std::string> UValueReportRecords(const Construction& c, const UValueResult& u,
                                             const CaptionTable& cap) {
    std::vector<std::string> out;
    const std::string& title = cap[Cap::UValueTitleWord];
    const std::string& uWord = cap[Cap::UValueWord];
    Blank(out, 1);
    out.push_back(kMargin + title + " " + uWord);
    Blank(out, 2);
    Rule(out, 2);
    SideBlock(out, cap, Cap::OutsideSideWord, "Alpha e", u.outsideLevel, u.alphaOutside_Wm2K);
    Blank(out, 1);
    Rule(out, 1);
    SideBlock(out, cap, Cap::InsideSideWord, "Alpha i", u.insideLevel, u.alphaInside_Wm2K);
    Blank(out, 1);
    Rule(out, 2);
    Blank(out, 1);
    out.push_back(kMargin + title + " " + cap[Cap::LayersWord]);
    Blank(out, 6);
    LayerTable(out, c, u, cap);
    Blank(out, 1);
    Rule(out, 2);
    Blank(out, 2);
    out.push_back(kBold + kMargin + std::string(14, ' ') + uWord + ":   " + u.shownText + kUnitU);
    Blank(out, 1);
    Rule(out, 2);
    return out;
}

RecordWriter UValueReportText(const std::vector<std::string>& records) {
    RecordWriter w;
    for (const std::string& line : records)
        w.line(line);
    return w;
}

} // namespace veskaro
