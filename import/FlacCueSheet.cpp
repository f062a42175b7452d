#include "FlacCueSheet.h"

#include "TrackImport.h"

#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

constexpr int kStreamInfo = 0;
constexpr int kCueSheet = 5;
constexpr size_t kCueSheetHeader = 128 + 8 + 1 + 258 + 1; // catalogue, lead-in, flags, reserved, count
constexpr size_t kTrackHeader = 8 + 1 + 12 + 1 + 13 + 1;  // offset, number, ISRC, flags, reserved, indices
constexpr size_t kIndexPoint = 8 + 1 + 3;
constexpr size_t kMostBlockBytes = 1 << 24;

uint64_t BigEndian(const std::string& bytes, size_t nAt, size_t nCount)
{
    uint64_t value = 0;
    for (size_t i = 0; i < nCount; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[nAt + i]);
    return value;
}

struct TrackStart
{
    int nNumber;
    uint64_t nSample;
};

// The tracks' starts (INDEX 01, else the first index) and the lead-out's, which is last.
bool ReadTracks(const std::string& block, std::vector<TrackStart>& starts)
{
    if (block.size() < kCueSheetHeader)
        return false;
    const size_t count = static_cast<unsigned char>(block[kCueSheetHeader - 1]);
    size_t at = kCueSheetHeader;
    for (size_t t = 0; t < count; ++t) {
        if (at + kTrackHeader > block.size())
            return false;
        const uint64_t offset = BigEndian(block, at, 8);
        const int number = static_cast<unsigned char>(block[at + 8]);
        const size_t indices = static_cast<unsigned char>(block[at + kTrackHeader - 1]);
        at += kTrackHeader;
        if (at + indices * kIndexPoint > block.size())
            return false;
        uint64_t start = indices > 0 ? BigEndian(block, at, 8) : 0;
        for (size_t i = 0; i < indices; ++i)
            if (block[at + i * kIndexPoint + 8] == 1)
                start = BigEndian(block, at + i * kIndexPoint, 8);
        at += indices * kIndexPoint;
        starts.push_back({number, offset + start});
    }
    return starts.size() >= 2;
}

// The STREAMINFO's sample rate and the CUESHEET block of the file, when it has them.
bool ReadBlocks(const std::string& strPath, unsigned* pSampleRate, std::string* pCueSheet)
{
    std::ifstream file(strPath, std::ios::binary);
    char marker[4];
    if (!file.read(marker, 4) || std::string(marker, 4) != "fLaC")
        return false;
    for (bool last = false; !last;) {
        char header[4];
        if (!file.read(header, 4))
            return false;
        last = (header[0] & 0x80) != 0;
        const int type = header[0] & 0x7F;
        const size_t length = BigEndian(std::string(header + 1, 3), 0, 3);
        if (length >= kMostBlockBytes)
            return false;
        if (type != kStreamInfo && type != kCueSheet) { // pictures, tags: passed over unread
            file.seekg(static_cast<std::streamoff>(length), std::ios::cur);
            continue;
        }
        std::string block(length, '\0');
        if (!file.read(block.data(), static_cast<std::streamsize>(length)))
            return false;
        if (type == kStreamInfo && length >= 13)
            *pSampleRate = static_cast<unsigned>(BigEndian(block, 10, 3) >> 4);
        else if (type == kCueSheet)
            *pCueSheet = std::move(block);
    }
    return *pSampleRate > 0 && !pCueSheet->empty();
}

} // namespace

std::vector<TrackRow> FlacCueSheetRows(const std::string& strPath)
{
    unsigned sampleRate = 0;
    std::string block;
    std::vector<TrackStart> starts;
    if (!ReadBlocks(strPath, &sampleRate, &block) || !ReadTracks(block, starts))
        return {};
    std::vector<TrackRow> rows;
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        const uint64_t end = starts[i + 1].nSample;
        const long seconds = end >= starts[i].nSample
                                 ? std::lround(static_cast<double>(end - starts[i].nSample) / sampleRate)
                                 : -1;
        rows.push_back({std::to_string(starts[i].nNumber) + ".", "", FormatTrackLength(seconds)});
    }
    return rows;
}
