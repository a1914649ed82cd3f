// The camera rules of the 3D view: half a degree per pixel of a left drag,
// wrapped into [0, 360) on drags only; one zoom unit per 20 pixels of a right
// drag; the buttons change the values by fixed steps without wrapping.
#pragma once

namespace sky {

double WrapDegrees(double angle);

struct CameraAngles {
    double RotX, RotY;
};
CameraAngles RotateByDrag(CameraAngles angles, int dx, int dy);
double ZoomByDrag(double zoom, int dy);

constexpr double CameraStepDegrees = 20.0;
constexpr double CameraStepZoom = 0.5;
constexpr double HomeRotX = 70.0, HomeRotY = 0.0, HomeZoom = -3.0;

}  // namespace sky
