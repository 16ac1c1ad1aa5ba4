// Files a test puts where the shell looks for banners, catalogues and cardbacks: GIF pictures
// of one colour per frame and description files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "art/Canvas.h"
#include "art/GifWriter.h"
#include "core/store/Base64.h"

namespace fixtures {

// A GIF of `width` x `height` with one frame per colour.
inline std::vector<uint8_t> SolidGif(int width, int height, std::initializer_list<uint32_t> colours) {
    std::vector<art::Canvas> frames;
    for (uint32_t colour : colours) {
        art::Canvas canvas(width, height);
        canvas.Clear(colour);
        frames.push_back(std::move(canvas));
    }
    const std::vector<int> delays(frames.size(), 10);
    return art::EncodeGif(frames, delays, true, nullptr).value_or(std::vector<uint8_t>{});
}

inline void Write(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    Write(path, std::string(bytes.begin(), bytes.end()));
}

// A banner description file's text.
inline std::string BannerText(const std::string& guid, const std::string& img, const std::string& url,
                              const std::string& dateStart, const std::string& dateExp) {
    return "<RDT>\r\n   <Banner>\r\n      <DateStart>" + dateStart + "</DateStart>\r\n      <DateExp>" + dateExp +
           "</DateExp>\r\n      <GUID>" + guid + "</GUID>\r\n      <IMG>" + img + "</IMG>\r\n      <URL>" + url +
           "</URL>\r\n   </Banner>\r\n</RDT>\r\n";
}

inline std::string Base64Of(const std::vector<uint8_t>& bytes) {
    CBase64 encoder;
    encoder.Encode(bytes);
    return std::string(encoder.GetEncoded());
}

// One banner definition as the server sends it, under its "guid" attribute.
inline std::string ServerDefinition(const std::string& guid, const std::string& imageData, int64_t dateExp) {
    return "<Banner guid=\"" + guid + "\"><GUID>" + guid + "</GUID><IMGDATA>" + imageData +
           "</IMGDATA><URL>https://www.rivakel.example/server</URL><DateExp>" + std::to_string(dateExp) +
           "</DateExp></Banner>";
}

inline std::string ServerDocument(const std::string& definitions) {
    return "<OBJDEFLIST><BANNERDEFLIST>" + definitions + "</BANNERDEFLIST></OBJDEFLIST>";
}

}  // namespace fixtures
