// Node types for lights and cameras.

#include "graph/NodeType.h"

namespace orvex_host {

void registerLightCameraTypes(TypeRegistry& registry) {
    NodeTypeBuilder camera(registry.define("camera", MFn::kCamera, "shape", true));
    camera.attr("horizontalFilmAperture", "hfa", AttrType::Double, 1.41732);
    camera.attr("verticalFilmAperture", "vfa", AttrType::Double, 0.94488);
    camera.attr("focalLength", "fl", AttrType::Double, 35.0);
    camera.attr("nearClipPlane", "ncp", AttrType::Distance, 0.1);
    camera.attr("farClipPlane", "fcp", AttrType::Distance, 10000.0);
    camera.attr("orthographic", "o", AttrType::Bool, false);
    camera.attr("orthographicWidth", "ow", AttrType::Distance, 30.0);
    camera.attr("centerOfInterest", "coi", AttrType::Distance, 5.0);
    camera.attr("renderable", "rnd", AttrType::Bool, true);
}

} // namespace orvex_host
