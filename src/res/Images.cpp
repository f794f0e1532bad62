// The side bitmap and the program icon, decoded once from the embedded files
// on first use and kept for the life of the program.
#include <optional>

#include "res/EmbeddedFiles.h"
#include "res/ImageDecoder.h"
#include "res/Resources.h"
#include "res/resource.h"

namespace res {
namespace {

Image View(const std::optional<DecodedImage>& decoded) {
    if (!decoded) return {};
    return {decoded->width, decoded->height, decoded->depth, decoded->pixels.data()};
}

}  // namespace

Image LoadBitmap(UINT id) {
    if (id != IDB_WIZARD) return {};
    static const std::optional<DecodedImage> wizard = DecodeBmp(embedded::WizardBitmap());
    return View(wizard);
}

Image LoadIcon() {
    static const std::optional<DecodedImage> icon = DecodeIco(embedded::MainFrameIcon());
    return View(icon);
}

}  // namespace res
