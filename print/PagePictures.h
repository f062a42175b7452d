// The pictures of a page drawn for a PDF. Such a page keeps its pictures whole rather than
// resampled to its pixels: a JPEG file goes into the PDF exactly as it is on disk, its place
// on the page marked by a small stand-in image that is found and given the file's own data
// once the PDF is written; any other picture is drawn decoded at its own resolution (at most
// the page's pixels over its area) and kept exactly.
#pragma once

#include "PictureSource.h"

#include <QImage>
#include <QSize>
#include <QTransform>
#include <map>
#include <string>
#include <tuple>
#include <vector>

// A JPEG file a PDF can carry unchanged: 8 bits a sample, Huffman coded, grey, colour or CMYK.
struct PageJpeg
{
    std::string strPath;
    int nWidth = 0;
    int nHeight = 0;
    int nComponents = 0;
    // An Adobe marker: CMYK is stored inverted, as Photoshop writes it.
    bool bAdobe = false;
    // The colour profile the file embeds, when it is one of its components' colour space;
    // empty when it has none.
    std::string strIccProfile;
};

// Reads a JPEG file's header; false when it is no JPEG a PDF can carry as it is.
bool ReadPageJpeg(const std::string& strPath, PageJpeg* pJpeg);

// The page is drawn straight onto the PDF at full size, so that its text stays text.
class CPagePictures : public CPictureSource
{
public:
    // bJpegsAsTheyAre false: every picture is decoded, a JPEG at a reduced size while it
    // decodes, for a drawing that needs pixels rather than the PDF's picture (a print
    // shop's bleed is drawn from a small picture of the piece's background).
    explicit CPagePictures(bool bJpegsAsTheyAre = true) : m_bJpegsAsTheyAre(bJpegsAsTheyAre) {}

    // The stand-in of the JPEG with index i is (i + 1) × kStandInHeight pixels: the size
    // tells it apart in the PDF, whatever compression the PDF writer gives it.
    static constexpr int kStandInHeight = 3;

    // What to draw for a picture file over an area of nWidth × nHeight page pixels; null
    // when the file holds no picture that can be drawn. The same file and area give the
    // same image, which the PDF then holds once however often it is drawn.
    // For a JPEG kept as it is, *pUpright says how the page turns it upright.
    // A see-through picture shows crBehind through it.
    QImage ImageFor(const std::string& strPath, const QSize& area, COLORREF crBehind, QTransform* pUpright);
    bool StretchOnto(CDC& dc, const PictureRequest& request) override;
    bool DrawsStraightOntoTarget() const override { return true; }
    // The JPEG files whose stand-ins were drawn, in the order of their indexes.
    const std::vector<PageJpeg>& Jpegs() const { return m_jpegs; }

private:
    QImage StandInFor(const PageJpeg& jpeg);
    QImage DecodedFor(const std::string& strPath, const QSize& area, COLORREF crBehind);

    bool m_bJpegsAsTheyAre;
    std::vector<PageJpeg> m_jpegs;
    std::vector<QImage> m_standIns;
    using DecodedKey = std::tuple<std::string, int, int, COLORREF>; // path, area, colour behind
    std::map<DecodedKey, QImage> m_decoded;
};
