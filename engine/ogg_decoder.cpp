#include "engine/ogg_decoder.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/k_log.h"

namespace {

constexpr size_t kSyncFeedBytes = 64 * 1024;
constexpr int kDecodeChunkFrames = 4096;
// Vorbis packs 16-bit sound at roughly 10:1 and a float per sample doubles that. Reserving by a
// generous ratio of the file size keeps a small file that claims hours from reserving gigabytes.
constexpr size_t kReserveFloatsPerFileByte = 32;

struct MemoryFile {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t position = 0;
};

size_t readMemory(void* target, size_t itemSize, size_t count, void* source) {
    auto* file = static_cast<MemoryFile*>(source);
    if (itemSize == 0 || file->position >= file->size) return 0;
    const size_t items = std::min(count, (file->size - file->position) / itemSize);
    std::memcpy(target, file->data + file->position, items * itemSize);
    file->position += items * itemSize;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(file->position);
    else if (whence == SEEK_END) base = static_cast<ogg_int64_t>(file->size);
    else if (whence != SEEK_SET) return -1;
    // Checked before adding so a hostile offset cannot overflow.
    if (offset < -base || offset > static_cast<ogg_int64_t>(file->size) - base) return -1;
    file->position = static_cast<size_t>(base + offset);
    return 0;
}

long tellMemory(void* source) {
    return static_cast<long>(static_cast<MemoryFile*>(source)->position);
}

constexpr ov_callbacks kMemoryCallbacks = {readMemory, seekMemory, nullptr, tellMemory};

}  // namespace

struct OggStreamReader::VorbisHandle {
    OggVorbis_File file{};
    MemoryFile memory;
};

bool isWholeOggStream(const uint8_t* data, size_t size) {
    if (data == nullptr || size == 0) return false;
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    size_t fed = 0;
    size_t pagedBytes = 0;
    bool lastWasEnd = false;
    bool intact = true;
    long serial = 0;
    while (intact) {
        ogg_page page;
        const long result = ogg_sync_pageseek(&sync, &page);
        if (result > 0) {
            // One logical stream only: libvorbisfile leaks while it walks a damaged second link.
            if (pagedBytes == 0) serial = ogg_page_serialno(&page);
            intact = ogg_page_serialno(&page) == serial;
            pagedBytes += static_cast<size_t>(result);
            lastWasEnd = ogg_page_eos(&page) != 0;
        } else if (result < 0) {
            intact = false;  // bytes skipped: garbage or a page whose checksum failed
        } else if (fed < size) {
            const size_t count = std::min(kSyncFeedBytes, size - fed);
            char* buffer = ogg_sync_buffer(&sync, static_cast<long>(count));
            if (buffer == nullptr) break;
            std::memcpy(buffer, data + fed, count);
            ogg_sync_wrote(&sync, static_cast<long>(count));
            fed += count;
        } else {
            break;
        }
    }
    ogg_sync_clear(&sync);
    return intact && pagedBytes == size && lastWasEnd;
}

OggStreamReader::OggStreamReader() : vorbis(std::make_unique<VorbisHandle>()) {}

OggStreamReader::~OggStreamReader() { close(); }

void OggStreamReader::close() {
    if (opened) ov_clear(&vorbis->file);
    opened = false;
    damaged = false;
    owned.clear();
    vorbis->memory = MemoryFile{};
    channelCount = 0;
    rate = 0;
    frames = 0;
}

bool OggStreamReader::open(std::vector<uint8_t> bytes) {
    close();
    owned = std::move(bytes);
    return open(owned.data(), owned.size());  // closes (and frees the bytes) when it fails
}

bool OggStreamReader::open(const uint8_t* data, size_t size) {
    if (opened) close();
    if (!isWholeOggStream(data, size)) {
        engineLog("Ogg: not one whole Ogg stream (%zu bytes)", size);
        return false;
    }
    vorbis->memory = MemoryFile{data, size, 0};
    if (ov_open_callbacks(&vorbis->memory, &vorbis->file, nullptr, 0, kMemoryCallbacks) != 0) {
        engineLog("Ogg: no Vorbis stream in %zu bytes", size);
        return false;  // libvorbisfile already released what it had built
    }
    opened = true;
    const vorbis_info* info = ov_info(&vorbis->file, -1);
    const ogg_int64_t claimed = ov_pcm_total(&vorbis->file, -1);
    if (ov_streams(&vorbis->file) != 1 || info == nullptr) {
        engineLog("Ogg: chained or empty Vorbis files are not supported");
    } else if (info->channels < 1 || info->channels > 2) {
        engineLog("Ogg: %d channels are not supported", info->channels);
    } else if (info->rate < kMinOggSampleRate || info->rate > kMaxOggSampleRate) {
        engineLog("Ogg: a rate of %ld Hz is not supported", info->rate);
    } else if (claimed <= 0) {
        engineLog("Ogg: the stream holds no sound");
    } else if (claimed > int64_t{kMaxStreamSeconds} * info->rate) {
        engineLog("Ogg: %lld frames claimed, more than %d seconds", static_cast<long long>(claimed), kMaxStreamSeconds);
    } else if (!decoderStarts()) {
        engineLog("Ogg: the Vorbis decoder cannot start on this file");
    } else {
        channelCount = info->channels;
        rate = static_cast<int>(info->rate);
        frames = claimed;
        return true;
    }
    close();
    return false;
}

// libvorbis builds its decoder at the first read. When that fails (a codebook that is no valid
// code, say) it keeps half-built tables, and any later seek or read divides by zero in them. So
// the decoder is started here, once, and a reader that ever failed is never asked again.
bool OggStreamReader::decoderStarts() {
    float** pcm = nullptr;
    int link = 0;
    return ov_read_float(&vorbis->file, &pcm, 1, &link) >= 0 && ov_pcm_seek(&vorbis->file, 0) == 0;
}

int OggStreamReader::read(float* out, int maxFrames) {
    if (!opened || damaged) return -1;
    int done = 0;
    while (done < maxFrames) {
        float** pcm = nullptr;
        int link = 0;
        const long got = ov_read_float(&vorbis->file, &pcm, maxFrames - done, &link);
        if (got == 0) break;
        if (got < 0 || link != 0 || got > maxFrames - done) {
            damaged = true;
            return -1;
        }
        for (long i = 0; i < got; ++i) {
            for (int c = 0; c < channelCount; ++c) out[(done + i) * channelCount + c] = pcm[c][i];
        }
        done += static_cast<int>(got);
    }
    return done;
}

bool OggStreamReader::rewind() {
    if (!opened || damaged) return false;
    damaged = ov_pcm_seek(&vorbis->file, 0) != 0;
    return !damaged;
}

bool decodeOggVorbis(const uint8_t* data, size_t size, DecodedSound& out, int maxSeconds) {
    out = DecodedSound{};
    OggStreamReader reader;
    if (!reader.open(data, size)) return false;
    const int64_t maxFrames = int64_t{maxSeconds} * reader.sampleRate();
    if (reader.totalFrames() > maxFrames) {
        engineLog("Ogg: %lld frames claimed, more than %d seconds", static_cast<long long>(reader.totalFrames()),
                  maxSeconds);
        return false;
    }
    const size_t channels = static_cast<size_t>(reader.channels());
    out.samples.reserve(std::min(static_cast<size_t>(reader.totalFrames()) * channels,
                                 size * kReserveFloatsPerFileByte));
    std::vector<float> chunk(kDecodeChunkFrames * channels);
    int64_t decoded = 0;
    for (;;) {
        const int got = reader.read(chunk.data(), kDecodeChunkFrames);
        if (got < 0) {
            engineLog("Ogg: damaged sound data after %lld frames", static_cast<long long>(decoded));
            break;
        }
        if (got == 0) {
            if (decoded == 0) engineLog("Ogg: the stream holds no sound");
            break;
        }
        decoded += got;
        if (decoded > maxFrames) {
            engineLog("Ogg: more than %d seconds of sound", maxSeconds);
            break;
        }
        out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + got * static_cast<long>(channels));
    }
    if (decoded == 0 || decoded > maxFrames || out.samples.size() != static_cast<size_t>(decoded) * channels) {
        out = DecodedSound{};
        return false;
    }
    out.channels = reader.channels();
    out.sampleRate = reader.sampleRate();
    return true;
}

bool readSoundFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        engineLog("Sound: cannot open '%s'", path.c_str());
        return false;
    }
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(file) : -1;
    ok = ok && size >= 0 && static_cast<unsigned long>(size) <= kMaxOggFileBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!ok) {
        engineLog("Sound: cannot read '%s' (missing, unreadable or larger than %zu bytes)", path.c_str(),
                  kMaxOggFileBytes);
        bytes.clear();
    }
    return ok;
}

bool decodeOggVorbisFile(const std::string& path, DecodedSound& out) {
    std::vector<uint8_t> bytes;
    if (!readSoundFile(path, bytes)) {
        out = DecodedSound{};
        return false;
    }
    return decodeOggVorbis(bytes.data(), bytes.size(), out);
}
