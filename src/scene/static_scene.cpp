#include "scene/layout.h"

namespace scene {

const Layout& staticScene() {
    static const Layout layout{};
    return layout;
}

}  // namespace scene
