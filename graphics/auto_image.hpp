// graphics/auto_image.hpp — the AutoImage language: pictures composed from archive entries.
#pragma once

#include <string_view>

namespace data {
class TFileFolder;
class TMemoryStream;
}  // namespace data

namespace graphics {

// Runs one AutoImage text whose sources are entries of the archive and adds the result to the
// same archive as NAME + ".pNg" (Kind 2); work is the caller's scratch stream and ends holding
// the result's bytes (empty when the text never drew anything). Raises data::Error for a
// missing source, a malformed number or a size the game cannot hold.
void RenderAutoImageText(std::string_view text, data::TFileFolder& archive,
                         data::TMemoryStream& work);

}  // namespace graphics
