#include "tests/game/psd_document_bytes.h"

#include <utility>

void AppendU16(PsdBytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void AppendU32(PsdBytes& out, uint32_t value) {
    AppendU16(out, static_cast<uint16_t>(value >> 16));
    AppendU16(out, static_cast<uint16_t>(value));
}

void AppendText(PsdBytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

namespace {

void AppendBytes(PsdBytes& out, const PsdBytes& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

void AppendSection(PsdBytes& out, const PsdBytes& contents) {
    AppendU32(out, static_cast<uint32_t>(contents.size()));
    AppendBytes(out, contents);
}

void AppendRecord(PsdBytes& out, const PsdRecordBytes& record) {
    for (int32_t value : {record.top, record.left, record.bottom, record.right}) {
        AppendU32(out, static_cast<uint32_t>(value));
    }
    AppendU16(out, static_cast<uint16_t>(record.channels.size()));
    for (const PsdChannelBytes& channel : record.channels) {
        AppendU16(out, static_cast<uint16_t>(channel.id));
        AppendU32(out, channel.storedLength.value_or(static_cast<uint32_t>(channel.bytes.size())));
    }
    AppendText(out, record.blendSignature);
    AppendText(out, "norm");
    AppendBytes(out, {255, 0, 0, 0});
    AppendSection(out, record.extra.value_or(ExtraData(record.name)));
}

}  // namespace

PsdBytes PsdDocumentBytes::Build() const {
    PsdBytes out;
    AppendText(out, signature);
    AppendU16(out, 1);
    out.insert(out.end(), 6, 0);
    AppendU16(out, channels);
    AppendU32(out, height);
    AppendU32(out, width);
    AppendU16(out, 8);
    AppendU16(out, 3);
    AppendSection(out, colourModeData);
    AppendSection(out, resources);
    PsdBytes info;
    AppendU16(info, static_cast<uint16_t>(layerCount.value_or(static_cast<int16_t>(records.size()))));
    for (const PsdRecordBytes& record : records) AppendRecord(info, record);
    for (const PsdRecordBytes& record : records) {
        for (const PsdChannelBytes& channel : record.channels) AppendBytes(info, channel.bytes);
    }
    PsdBytes layers;
    AppendSection(layers, info);
    AppendU32(layers, 0);
    AppendSection(out, layers);
    return out;
}

PsdBytes RawChannel(const PsdBytes& samples) {
    PsdBytes out;
    AppendU16(out, 0);
    AppendBytes(out, samples);
    return out;
}

PsdBytes PackBitsChannel(const std::vector<PsdBytes>& rows) {
    PsdBytes out;
    AppendU16(out, 1);
    for (const PsdBytes& row : rows) AppendU16(out, static_cast<uint16_t>(row.size()));
    for (const PsdBytes& row : rows) AppendBytes(out, row);
    return out;
}

PsdBytes OtherMethodChannel(uint16_t method, size_t length) {
    PsdBytes out;
    AppendU16(out, method);
    out.insert(out.end(), length, 0);
    return out;
}

PsdBytes ExtraData(const std::string& name, const PsdBytes& blocks) {
    PsdBytes out;
    AppendU32(out, 0);
    AppendU32(out, 0);
    out.push_back(static_cast<uint8_t>(name.size()));
    AppendText(out, name);
    out.insert(out.end(), 3 - name.size() % 4, 0);
    AppendBytes(out, blocks);
    return out;
}

PsdBytes InfoBlock(const std::string& signature, const std::string& key, const PsdBytes& data) {
    PsdBytes out;
    AppendText(out, signature);
    AppendText(out, key);
    AppendSection(out, data);
    return out;
}

PsdBytes SectionDivider(uint32_t type, uint32_t length) {
    PsdBytes data;
    AppendU32(data, type);
    if (length == 12) AppendText(data, "8BIMpass");
    return InfoBlock("8BIM", "lsct", data);
}

PsdBytes ResourceBlock(const std::string& signature, uint16_t id, const PsdBytes& data) {
    PsdBytes out;
    AppendText(out, signature);
    AppendU16(out, id);
    AppendU16(out, 0);  // empty name and its pad byte
    AppendSection(out, data);
    if (data.size() % 2 != 0) out.push_back(0);
    return out;
}

PsdRecordBytes SolidRecord(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t height,
                           const std::vector<int16_t>& ids, uint8_t value) {
    PsdRecordBytes record;
    record.name = name;
    record.left = left;
    record.top = top;
    record.right = left + width;
    record.bottom = top + height;
    for (int16_t id : ids) {
        record.channels.push_back({id, RawChannel(PsdBytes(static_cast<size_t>(width) * height, value)), {}});
    }
    return record;
}

PsdDocumentBytes OverBackground(PsdRecordBytes layer) {
    PsdDocumentBytes document;
    document.records.push_back(SolidRecord("Background", 0, 0, 1, 1, {0}, 0));
    document.records.push_back(std::move(layer));
    return document;
}
