// The camera: mouse drags on the free area of the view and the seven camera
// buttons, and the hidden memo's camera values.
#include "app/form1_qt.h"
#include "core/number_text.h"
#include "view/camera.h"

using namespace sky;

void TForm1::FormMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton) {
        DragMode = 1;
        DragLastX = x;
        DragLastY = y;
    } else if (button == Qt::RightButton) {
        DragMode = 2;
        ZoomLastY = y;
    }
}

void TForm1::FormMouseMove(int x, int y) {
    if (DragMode == 1) {
        const CameraAngles a = RotateByDrag({RotX, RotY}, x - DragLastX, y - DragLastY);
        RotX = a.RotX;
        RotY = a.RotY;
        DragLastX = x;
        DragLastY = y;
        DrawScene();
    } else if (DragMode == 2) {
        S.Zoom = ZoomByDrag(S.Zoom, y - ZoomLastY);
        ZoomLastY = y;
        ShowCameraValues();
        DrawScene();
    }
}

void TForm1::FormMouseUp() { DragMode = 0; }

void TForm1::SpeedButton7Click() { RotX -= CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton8Click() { RotX += CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton9Click() { RotY -= CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton10Click() { RotY += CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton5Click() { S.Zoom += CameraStepZoom; DrawScene(); }
void TForm1::SpeedButton6Click() { S.Zoom -= CameraStepZoom; DrawScene(); }
void TForm1::SpeedButton11Click() {
    RotX = HomeRotX;
    RotY = HomeRotY;
    S.Zoom = HomeZoom;
    DrawScene();
}

void TForm1::ShowCameraValues() {
    Memo1->SetLines({"RotX: " + FloatToText(RotX, decimalSeparator_), "RotY: " + FloatToText(RotY, decimalSeparator_),
                     "Zoom: " + FloatToText(S.Zoom, decimalSeparator_)});
}
