// ui/interface_types.hpp — the enumerations interface files write by name, with their value
// names in ordinal order (the two-way tables of the property layer).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

enum TAutoSizeType : uint8_t { asNone, asPicture, asCaption };
enum TPictureHAlignType : uint8_t { phaLeft, phaCenter, phaRight };
enum TPictureVAlignType : uint8_t { pvaTop, pvaCenter, pvaBottom };
enum THAlignType : uint8_t { haNone, haLeft, haCenter, haRight, haJustify };
enum TVAlignType : uint8_t { vaNone, vaTop, vaCenter, vaBottom, vaJustify };
enum TTextAlignment : uint8_t { taLeft, taCenter, taRight, taJustify };
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
enum TBoxPlace : uint8_t { bpLeft, bpRight };
enum TInputMode : uint8_t { imNormal, imNumbersOnly };
enum TTrackBarOrientation : uint8_t { trHorizontal, trVertical };

inline const std::vector<std::string> kAutoSizeNames = {"asNone", "asPicture", "asCaption"};
inline const std::vector<std::string> kPictureHAlignNames = {"phaLeft", "phaCenter", "phaRight"};
inline const std::vector<std::string> kPictureVAlignNames = {"pvaTop", "pvaCenter", "pvaBottom"};
inline const std::vector<std::string> kHAlignNames = {"haNone", "haLeft", "haCenter", "haRight",
                                                      "haJustify"};
inline const std::vector<std::string> kVAlignNames = {"vaNone", "vaTop", "vaCenter", "vaBottom",
                                                      "vaJustify"};
inline const std::vector<std::string> kTextAlignmentNames = {"taLeft", "taCenter", "taRight",
                                                             "taJustify"};
inline const std::vector<std::string> kTextLayoutNames = {"tlTop", "tlCenter", "tlBottom"};
inline const std::vector<std::string> kBoxPlaceNames = {"bpLeft", "bpRight"};
inline const std::vector<std::string> kInputModeNames = {"imNormal", "imNumbersOnly"};
inline const std::vector<std::string> kOrientationNames = {"trHorizontal", "trVertical"};

}  // namespace ui
