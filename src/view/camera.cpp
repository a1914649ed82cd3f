#include "view/camera.h"

#include "core/angles.h"

namespace sky {

double WrapDegrees(double angle) { return WrapAngle(angle, 0, 360); }

CameraAngles RotateByDrag(CameraAngles angles, int dx, int dy) {
    return {WrapDegrees(angles.RotX + dy / 2.0), WrapDegrees(angles.RotY + dx / 2.0)};
}

double ZoomByDrag(double zoom, int dy) { return zoom - dy / 20.0; }

}  // namespace sky
