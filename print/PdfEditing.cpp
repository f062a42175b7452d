#include "PdfEditing.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <cstring>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>

namespace {

std::shared_ptr<Buffer> FileBytes(const std::string& strPath)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + strPath);
    const QByteArray bytes = file.readAll();
    auto buffer = std::make_shared<Buffer>(static_cast<size_t>(bytes.size()));
    std::memcpy(buffer->getBuffer(), bytes.constData(), static_cast<size_t>(bytes.size()));
    return buffer;
}

const char* ColourSpace(int nComponents)
{
    return nComponents == 1 ? "/DeviceGray" : nComponents == 4 ? "/DeviceCMYK" : "/DeviceRGB";
}

// The JPEG's colour space: its own profile as an ICC-based space (the plain device space
// its fallback), or the plain device space when it embeds none.
QPDFObjectHandle JpegColourSpace(QPDFObjectHandle image, const PageJpeg& jpeg)
{
    const QPDFObjectHandle device = QPDFObjectHandle::newName(ColourSpace(jpeg.nComponents));
    if (jpeg.strIccProfile.empty())
        return device;
    QPDFObjectHandle profile = QPDFObjectHandle::newStream(image.getOwningQPDF(), jpeg.strIccProfile);
    profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(jpeg.nComponents));
    profile.getDict().replaceKey("/Alternate", device);
    QPDFObjectHandle space = QPDFObjectHandle::newArray();
    space.appendItem(QPDFObjectHandle::newName("/ICCBased"));
    space.appendItem(profile);
    return space;
}

// The stand-in's image object becomes the JPEG file: DCTDecode of its bytes as they are.
void PutJpeg(QPDFObjectHandle image, const PageJpeg& jpeg)
{
    image.replaceStreamData(FileBytes(jpeg.strPath), QPDFObjectHandle::newName("/DCTDecode"),
                            QPDFObjectHandle::newNull());
    QPDFObjectHandle dict = image.getDict();
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(jpeg.nWidth));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(jpeg.nHeight));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    dict.replaceKey("/ColorSpace", JpegColourSpace(image, jpeg));
    for (const char* key : {"/SMask", "/Mask", "/Decode", "/ImageMask"})
        dict.removeKey(key);
    // Photoshop stores CMYK inverted and says so with its Adobe marker.
    if (jpeg.nComponents == 4 && jpeg.bAdobe) {
        QPDFObjectHandle decode = QPDFObjectHandle::newArray();
        for (int i = 0; i < 4; ++i) {
            decode.appendItem(QPDFObjectHandle::newInteger(1));
            decode.appendItem(QPDFObjectHandle::newInteger(0));
        }
        dict.replaceKey("/Decode", decode);
    }
}

// The index of the JPEG a stand-in holds the place of, or -1 for any other image.
int StandInIndex(QPDFObjectHandle image, size_t nJpegs)
{
    QPDFObjectHandle dict = image.getDict();
    QPDFObjectHandle width = dict.getKey("/Width");
    QPDFObjectHandle height = dict.getKey("/Height");
    if (!width.isInteger() || !height.isInteger() || height.getIntValue() != CPagePictures::kStandInHeight)
        return -1;
    const long long index = width.getIntValue() - 1;
    return index >= 0 && index < static_cast<long long>(nJpegs) ? static_cast<int>(index) : -1;
}

// The document's bytes, its streams copied as they are: pictures are not decoded and
// encoded again.
QByteArray Written(QPDF& document)
{
    QPDFWriter writer(document);
    writer.setOutputMemory();
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setCompressStreams(false);
    writer.write();
    const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(written->getBuffer()),
                      static_cast<qsizetype>(written->getSize()));
}

// The registration colour: a Separation named All prints on every plate; where a device
// shows it on its own, full tint is full CMYK.
QPDFObjectHandle RegistrationColourSpace()
{
    return QPDFObjectHandle::parse("[ /Separation /All /DeviceCMYK << /FunctionType 2 /Domain [ 0 1 ] "
                                   "/C0 [ 0 0 0 0 ] /C1 [ 1 1 1 1 ] /N 1 >> ]");
}

constexpr const char* kRegistrationName = "/SleevoraAll";

bool IsStandIn(const QRegularExpressionMatch& colour)
{
    const QRgb standIn = kRegistrationStandIn;
    const int channels[3] = {qRed(standIn), qGreen(standIn), qBlue(standIn)};
    for (int i = 0; i < 3; ++i)
        if (std::abs(colour.captured(i + 1).toDouble() * 255 - channels[i]) > 0.01)
            return false;
    return true;
}

// The page's content with its stand-in stroke colour set in the registration colour. Qt
// sets its stroking colour space once at the top of the page and then only colours, so
// after the first mark every other stroking colour names its space again.
QByteArray WithRegistrationStrokes(const QByteArray& content)
{
    const QString text = QString::fromLatin1(content);
    static const QRegularExpression space(QStringLiteral("(/[^\\s/\\[\\]<>()]+)\\s+CS\\b"));
    const QRegularExpressionMatch first = space.match(text);
    const QString pageSpace = first.hasMatch() ? first.captured(1) : QStringLiteral("/DeviceRGB");
    static const QRegularExpression colour(
        QStringLiteral("(?<![\\w.])(-?[0-9.]+)\\s+(-?[0-9.]+)\\s+(-?[0-9.]+)\\s+SCN\\b"));
    QString result;
    qsizetype done = 0;
    bool marked = false;
    for (QRegularExpressionMatchIterator it = colour.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += QStringView(text).mid(done, match.capturedStart() - done);
        if (IsStandIn(match)) {
            result += QLatin1String(kRegistrationName) + QStringLiteral(" CS 1 SCN");
            marked = true;
        } else {
            result += marked ? pageSpace + QStringLiteral(" CS ") + match.captured(0) : match.captured(0);
        }
        done = match.capturedEnd();
    }
    result += QStringView(text).mid(done);
    return result.toLatin1();
}

// One page's strokes in the registration colour, its resources naming the colour space.
void PutRegistrationColour(QPDFPageObjectHelper& page)
{
    QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
    if (!contents.isStream())
        return;
    const std::shared_ptr<Buffer> data = contents.getStreamData(qpdf_dl_generalized);
    const QByteArray content(reinterpret_cast<const char*>(data->getBuffer()),
                             static_cast<qsizetype>(data->getSize()));
    const QByteArray marked = WithRegistrationStrokes(content);
    if (marked == content)
        return;
    contents.replaceStreamData(marked.toStdString(), QPDFObjectHandle::newNull(),
                               QPDFObjectHandle::newNull());
    QPDFObjectHandle resources = page.getAttribute("/Resources", true);
    if (!resources.isDictionary())
        throw std::runtime_error("a page has no resources");
    if (!resources.getKey("/ColorSpace").isDictionary())
        resources.replaceKey("/ColorSpace", QPDFObjectHandle::newDictionary());
    resources.getKey("/ColorSpace").replaceKey(kRegistrationName, RegistrationColourSpace());
}

} // namespace

QByteArray FinishedPdf(const QByteArray& pdf, const std::vector<PageJpeg>& jpegs, std::string* pError)
{
    try {
        QPDF document;
        document.processMemoryFile("cover.pdf", pdf.constData(), static_cast<size_t>(pdf.size()));
        std::vector<bool> placed(jpegs.size(), false);
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(document).getAllPages())
            for (auto& [name, image] : page.getImages()) {
                const int index = StandInIndex(image, jpegs.size());
                if (index < 0)
                    continue;
                PutJpeg(image, jpegs[static_cast<size_t>(index)]);
                placed[static_cast<size_t>(index)] = true;
            }
        for (size_t i = 0; i < placed.size(); ++i)
            if (!placed[i])
                throw std::runtime_error("the place of " + jpegs[i].strPath + " was not found");
        // A viewer printing on other paper would otherwise shrink or grow the page to fit it.
        document.getRoot().replaceKey("/ViewerPreferences",
                                      QPDFObjectHandle::parse("<< /PrintScaling /None >>"));
        return Written(document);
    } catch (const std::exception& error) {
        *pError = std::string("cannot finish the PDF: ") + error.what();
        return {};
    }
}

QByteArray FinishedPrintShopPdf(const QByteArray& pdf, const std::vector<PageBoxes>& boxes,
                                std::string* pError)
{
    try {
        QPDF document;
        document.processMemoryFile("cover.pdf", pdf.constData(), static_cast<size_t>(pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        if (pages.size() != boxes.size())
            throw std::runtime_error("the PDF has " + std::to_string(pages.size()) + " pages");
        for (size_t i = 0; i < pages.size(); ++i) {
            const double* trim = boxes[i].trim;
            const double* bleed = boxes[i].bleed;
            QPDFObjectHandle page = pages[i].getObjectHandle();
            page.replaceKey("/TrimBox", QPDFObjectHandle::newArray(
                                            QPDFObjectHandle::Rectangle(trim[0], trim[1], trim[2], trim[3])));
            page.replaceKey("/BleedBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                             bleed[0], bleed[1], bleed[2], bleed[3])));
            PutRegistrationColour(pages[i]);
        }
        return Written(document);
    } catch (const std::exception& error) {
        *pError = std::string("cannot set the page boxes: ") + error.what();
        return {};
    }
}
