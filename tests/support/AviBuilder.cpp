#include "tests/support/AviBuilder.h"

#include "tests/support/RiffBuilder.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr uint32_t kAviifList = 0x01;
constexpr uint32_t kAviifKeyframe = 0x10;
constexpr uint32_t kAvihHasIndex = 0x10;
constexpr uint8_t kIndexOfIndexes = 0;
constexpr uint8_t kIndexOfChunks = 1;
constexpr uint32_t kDeltaFrameBit = 0x80000000u;
constexpr uint32_t kSuperIndexEntryBytes = 16;
constexpr uint32_t kStandardIndexEntryBytes = 8;
constexpr uint32_t kIndexHeaderBytes = 24;
constexpr uint32_t kDmlhBytes = 248;
constexpr uint32_t kPaletteChangeBytes = 8;

std::string ChunkId(unsigned stream, const char* suffix)
{
    char id[8];
    std::snprintf(id, sizeof id, "%02u%s", stream % 100, suffix);
    return id;
}

struct IndexedChunk {
    uint64_t header; // file offset of the chunk header
    uint32_t size;
    bool key;
};

struct Idx1Entry {
    uint32_t ckid;
    uint32_t flags;
    uint64_t header;
    uint32_t size;
};

// One stream's chunks of the current RIFF part, for its ix##.
struct StreamPart {
    std::string chunkId;
    std::vector<IndexedChunk> chunks;
};

class AviWriter {
public:
    AviWriter(const AviRecipe& recipe, ByteSink& sink) : m_spec(recipe), m_riff(sink) {}

    AviLayout Write()
    {
        const bool odml = m_spec.index == AviIndexKind::OpenDml;
        const size_t frameCount = m_spec.frames.size();
        size_t perPart = (odml && m_spec.framesPerPart > 0) ? m_spec.framesPerPart : frameCount;
        if (perPart == 0)
            perPart = 1;
        size_t parts = std::max<size_t>(1, (frameCount + perPart - 1) / perPart);
        if (m_spec.odmlStandardIndexInStrl && parts > 1)
            throw std::invalid_argument("a standard index in the strl covers one part only");

        m_videoStream = m_spec.audioFirst ? 1u : 0u;
        m_streams = m_spec.audioFirst ? 2u : 1u;
        m_superIndexes.assign(m_streams, {});
        m_superIndexSlots.assign(m_streams, 0);

        m_layout.riffParts.push_back(m_riff.BeginRiff("AVI "));
        WriteHeaderList(parts);
        size_t next = 0;
        for (size_t part = 0; part < parts; ++part) {
            if (part > 0)
                m_layout.riffParts.push_back(m_riff.BeginRiff("AVIX"));
            size_t end = std::min(frameCount, next + perPart);
            WriteMovi(next, end, part == 0);
            next = end;
            if (part == 0 && (m_spec.index == AviIndexKind::Idx1Relative ||
                              m_spec.index == AviIndexKind::Idx1Absolute || m_spec.odmlAlsoIdx1))
                WriteIdx1();
            m_riff.EndList();
        }
        if (odml)
            PatchSuperIndexes();

        ByteSink& sink = m_riff.Sink();
        for (const ByteDamage& d : m_spec.damage)
            sink.PatchAt(d.offset, d.bytes);
        uint64_t size = sink.Position();
        if (m_spec.cutTail > 0) {
            size = m_spec.cutTail < size ? size - m_spec.cutTail : 0;
            sink.Truncate(size);
        }
        m_layout.fileSize = size;
        return m_layout;
    }

private:
    // |biHeight|, also for INT32_MIN (a hostile value some tests write).
    uint32_t AbsHeight() const
    {
        int64_t h = m_spec.height;
        return static_cast<uint32_t>(h < 0 ? -h : h);
    }

    void WriteHeaderList(size_t parts)
    {
        const auto frames = static_cast<uint32_t>(m_spec.frames.size());
        m_riff.BeginList("hdrl");
        uint32_t usPerFrame = m_spec.rate ? static_cast<uint32_t>(1000000ull * m_spec.scale / m_spec.rate) : 0;
        m_riff.Chunk("avih", LeBytes()
                                 .U32(usPerFrame)
                                 .U32(0)                // dwMaxBytesPerSec
                                 .U32(0)                // dwPaddingGranularity
                                 .U32(m_spec.index == AviIndexKind::None ? 0 : kAvihHasIndex)
                                 .U32(frames)           // dwTotalFrames
                                 .U32(0)                // dwInitialFrames
                                 .U32(m_streams)        // dwStreams
                                 .U32(0)                // dwSuggestedBufferSize
                                 .I32(m_spec.width)
                                 .U32(AbsHeight())
                                 .Zeros(16));           // dwReserved[4]
        if (m_spec.audioFirst)
            WriteAudioStrl(parts);
        WriteVideoStrl(parts);
        if (m_spec.index == AviIndexKind::OpenDml) {
            m_riff.BeginList("odml");
            m_riff.Chunk("dmlh", LeBytes().U32(frames).Zeros(kDmlhBytes - 4));
            m_riff.EndList();
        }
        m_riff.EndList();
    }

    void WriteStrh(const char* type, const std::string& handler, uint32_t scale, uint32_t rate,
                   uint32_t length, uint32_t sampleSize, bool withRect, bool emptyRect)
    {
        LeBytes strh;
        strh.FourCC(type)
            .U32(handler.size() == 4 ? Fcc(handler) : 0)
            .U32(0)  // dwFlags
            .U16(0)  // wPriority
            .U16(0)  // wLanguage
            .U32(0)  // dwInitialFrames
            .U32(scale)
            .U32(rate)
            .U32(m_spec.start)
            .U32(length)
            .U32(0)  // dwSuggestedBufferSize
            .U32(0xFFFFFFFFu) // dwQuality: default
            .U32(sampleSize);
        if (withRect) {
            strh.I16(0).I16(0)
                .I16(emptyRect ? int16_t{0} : static_cast<int16_t>(m_spec.width))
                .I16(emptyRect ? int16_t{0} : static_cast<int16_t>(AbsHeight()));
        }
        uint64_t at = m_riff.Chunk("strh", strh);
        if (std::string_view(type) == "vids")
            m_layout.videoStrh = at;
    }

    void WriteIndexSlot(unsigned stream, size_t parts)
    {
        if (m_spec.index != AviIndexKind::OpenDml)
            return;
        uint32_t size = kIndexHeaderBytes;
        if (m_spec.odmlStandardIndexInStrl)
            size += static_cast<uint32_t>(m_spec.frames.size()) * kStandardIndexEntryBytes;
        else
            size += static_cast<uint32_t>(parts) * kSuperIndexEntryBytes;
        m_superIndexSlots[stream] = m_riff.ReserveChunk("indx", size);
        if (stream == m_videoStream)
            m_layout.videoIndx = m_superIndexSlots[stream];
    }

    void WriteAudioStrl(size_t parts)
    {
        m_riff.BeginList("strl");
        WriteStrh("auds", "", 1, 8000, static_cast<uint32_t>(m_spec.frames.size()) * m_spec.audioChunkSize, 1,
                  true, true);
        m_riff.Chunk("strf", LeBytes()
                                 .U16(1)     // WAVE_FORMAT_PCM
                                 .U16(1)     // channels
                                 .U32(8000)  // samples per second
                                 .U32(8000)  // average bytes per second
                                 .U16(1)     // block align
                                 .U16(8)     // bits per sample
                                 .U16(0));   // cbSize
        WriteIndexSlot(0, parts);
        m_riff.EndList();
    }

    void WriteVideoStrl(size_t parts)
    {
        m_riff.BeginList("strl");
        WriteStrh("vids", m_spec.handler, m_spec.scale, m_spec.rate,
                  m_spec.strhLength.value_or(static_cast<uint32_t>(m_spec.frames.size())), 0,
                  !m_spec.shortStrh, m_spec.emptyRcFrame);
        m_layout.videoStrf = m_riff.Chunk("strf", LeBytes()
                                                      .U32(40)  // biSize
                                                      .I32(m_spec.width)
                                                      .I32(m_spec.height)
                                                      .U16(1)   // biPlanes
                                                      .U16(24)  // biBitCount
                                                      .U32(m_spec.handler.size() == 4 ? Fcc(m_spec.handler) : 0)
                                                      .U32(0)   // biSizeImage
                                                      .Zeros(16));
        WriteIndexSlot(m_videoStream, parts);
        if (!m_spec.streamName.empty()) {
            LeBytes name;
            name.Append({reinterpret_cast<const uint8_t*>(m_spec.streamName.data()), m_spec.streamName.size()});
            name.U8(0);
            m_riff.Chunk("strn", name);
        }
        m_riff.EndList();
    }

    void Record(unsigned stream, const std::string& id, uint64_t header, uint32_t size, bool key)
    {
        if (m_collectIdx1)
            m_idx1.push_back({Fcc(id), key ? kAviifKeyframe : 0u, header, size});
        if (m_spec.index == AviIndexKind::OpenDml)
            m_parts[stream].chunks.push_back({header, size, key});
    }

    uint64_t DataChunk(const std::string& id, uint32_t size)
    {
        if (m_spec.holes)
            return m_riff.HoleChunk(id, size);
        return m_riff.ReserveChunk(id, size);
    }

    void WriteMovi(size_t begin, size_t end, bool firstPart)
    {
        m_collectIdx1 = firstPart;
        m_riff.BeginList("movi");
        uint64_t moviList = m_riff.Position() - 12;
        if (firstPart)
            m_layout.moviFourcc = moviList + 8;
        m_parts.assign(m_streams, {});
        for (unsigned s = 0; s < m_streams; ++s)
            m_parts[s].chunkId = ChunkId(s, s == m_videoStream ? "dc" : "wb");
        if (m_spec.junkInMovi)
            m_riff.Chunk("JUNK", LeBytes().Zeros(13));

        const std::string video = ChunkId(m_videoStream, "dc");
        for (size_t i = begin; i < end; ++i) {
            bool recStart = m_spec.recListFrames > 0 && (i - begin) % m_spec.recListFrames == 0;
            if (recStart) {
                uint64_t rec = m_riff.BeginList("rec ");
                if (m_collectIdx1)
                    m_idx1.push_back({Fcc("rec "), kAviifList, rec, 0});
            }
            if (m_spec.audioFirst) {
                uint64_t at = DataChunk("00wb", m_spec.audioChunkSize);
                Record(0, "00wb", at, m_spec.audioChunkSize, true);
            }
            if (m_spec.paletteChangeEvery > 0 && i > 0 && i % m_spec.paletteChangeEvery == 0) {
                std::string pc = ChunkId(m_videoStream, "pc");
                uint64_t at = m_riff.Chunk(pc, LeBytes()
                                                   .U8(0)    // bFirstEntry
                                                   .U8(1)    // bNumEntries
                                                   .U16(0)   // wFlags
                                                   .U8(255).U8(0).U8(0).U8(0)); // one PALETTEENTRY
                if (m_collectIdx1)
                    m_idx1.push_back({Fcc(pc), 0, at, kPaletteChangeBytes});
            }
            const FrameRecipe& f = m_spec.frames[i];
            uint64_t at = DataChunk(video, f.size);
            m_layout.frameChunks.push_back(at);
            Record(m_videoStream, video, at, f.size, f.key);
            bool recEnd = m_spec.recListFrames > 0 &&
                          ((i - begin + 1) % m_spec.recListFrames == 0 || i + 1 == end);
            if (recEnd)
                m_riff.EndList();
        }
        if (m_spec.index == AviIndexKind::OpenDml)
            WriteStandardIndexes(moviList);
        m_riff.EndList();
    }

    void WriteStandardIndexes(uint64_t baseOffset)
    {
        for (unsigned s = 0; s < m_streams; ++s) {
            const StreamPart& part = m_parts[s];
            LeBytes ix;
            ix.U16(2).U8(0).U8(kIndexOfChunks)
                .U32(static_cast<uint32_t>(part.chunks.size()))
                .FourCC(part.chunkId)
                .U64(baseOffset)
                .U32(0);
            for (const IndexedChunk& c : part.chunks) {
                uint64_t rel = c.header + 8 - baseOffset;
                if (rel > UINT32_MAX)
                    throw std::length_error("RIFF part too large for a standard index");
                ix.U32(static_cast<uint32_t>(rel)).U32(c.size | (c.key ? 0u : kDeltaFrameBit));
            }
            if (m_spec.odmlStandardIndexInStrl) {
                // The strl's indx is the standard index itself; no ix## chunk.
                LeBytes indx;
                indx.Append(ix);
                m_riff.Patch(m_superIndexSlots[s] + 8, indx);
                continue;
            }
            std::string id = "ix" + ChunkId(s, "").substr(0, 2);
            uint64_t at = m_riff.Chunk(id, ix);
            if (s == m_videoStream)
                m_layout.videoIx.push_back(at);
            m_superIndexes[s].push_back({at, static_cast<uint32_t>(ix.Size() + 8),
                                         static_cast<uint32_t>(part.chunks.size())});
        }
    }

    void PatchSuperIndexes()
    {
        if (m_spec.odmlStandardIndexInStrl)
            return;
        for (unsigned s = 0; s < m_streams; ++s) {
            LeBytes indx;
            indx.U16(4).U8(0).U8(kIndexOfIndexes)
                .U32(static_cast<uint32_t>(m_superIndexes[s].size()))
                .FourCC(m_parts.empty() ? ChunkId(s, "dc") : m_parts[s].chunkId)
                .Zeros(12);
            for (const SuperEntry& e : m_superIndexes[s])
                indx.U64(e.offset).U32(e.size).U32(e.duration);
            m_riff.Patch(m_superIndexSlots[s] + 8, indx);
        }
    }

    void WriteIdx1()
    {
        uint64_t base = m_spec.index == AviIndexKind::Idx1Absolute ? 0 : m_layout.moviFourcc;
        LeBytes idx1;
        for (const Idx1Entry& e : m_idx1)
            idx1.U32(e.ckid).U32(e.flags).U32(static_cast<uint32_t>(e.header - base)).U32(e.size);
        m_layout.idx1 = m_riff.Chunk("idx1", idx1);
    }

    struct SuperEntry {
        uint64_t offset;
        uint32_t size;
        uint32_t duration;
    };

    const AviRecipe& m_spec;
    RiffWriter m_riff;
    AviLayout m_layout;
    unsigned m_videoStream = 0;
    unsigned m_streams = 1;
    std::vector<Idx1Entry> m_idx1; // the first part's chunks: idx1 covers only that part
    bool m_collectIdx1 = true;
    std::vector<StreamPart> m_parts;
    std::vector<std::vector<SuperEntry>> m_superIndexes;
    std::vector<uint64_t> m_superIndexSlots;
};

} // namespace

AviLayout WriteAvi(const AviRecipe& recipe, ByteSink& sink)
{
    return AviWriter(recipe, sink).Write();
}

std::vector<uint8_t> BuildAvi(const AviRecipe& recipe, AviLayout* layout)
{
    MemorySink sink;
    AviLayout l = WriteAvi(recipe, sink);
    if (layout)
        *layout = l;
    return sink.Take();
}

AviLayout WriteAviFile(const AviRecipe& recipe, const std::filesystem::path& path)
{
    FileSink sink(path);
    AviLayout l = WriteAvi(recipe, sink);
    sink.Close();
    return l;
}

std::vector<FrameRecipe> MakeFrames(uint32_t count, uint32_t keyInterval, uint32_t firstSize, uint32_t step)
{
    std::vector<FrameRecipe> frames;
    frames.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        bool key = keyInterval == 0 ? i == 0 : i % keyInterval == 0;
        frames.push_back({firstSize + i * step, key});
    }
    return frames;
}
