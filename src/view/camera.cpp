#include "view/camera.h"

namespace sky {

double WrapDegrees(double angle) {
    while (angle >= 360) angle -= 360;
    while (angle < 0) angle += 360;
    return angle;
}

CameraAngles RotateByDrag(CameraAngles angles, int dx, int dy) {
    return {WrapDegrees(angles.RotX + dy / 2.0), WrapDegrees(angles.RotY + dx / 2.0)};
}

double ZoomByDrag(double zoom, int dy) { return zoom - dy / 20.0; }

}  // namespace sky
