#include "view/models.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "view/gl_mapping.h"

namespace sky {

namespace {

float F(double v) { return static_cast<float>(v); }

void PlayerColourOn(const GlApi& gl, int p) {
    const RGB& c = PlayerColour(p);
    gl.glColor3ub(static_cast<GLubyte>(c.r & 0xFF), static_cast<GLubyte>(c.g & 0xFF),
                  static_cast<GLubyte>(c.b & 0xFF));
}

// The settings between and after the two passes of an outlined part.
void OutlineSettings(const GlApi& gl) {
    gl.glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    gl.glColor3ub(0, 0, 0);
}

template <typename Part>
void TwoPasses(const GlApi& gl, const Part& part) {
    part();
    OutlineSettings(gl);
    part();
    OutlineSettings(gl);
}

// A horizontal octagon of the given radius at height y.
void OctagonPolygon(const GlApi& gl, double radius, double y) {
    gl.glBegin(GL_POLYGON);
    for (int k = 0; k < 8; ++k)
        gl.glVertex3f(F(UnitOctagon[k].x * radius), F(y), F(UnitOctagon[k].y * radius));
    gl.glEnd();
}

// The side of a frustum between two horizontal octagons, each side face a
// primitive of its own, starting at the first octagon.
void OctagonWall(const GlApi& gl, double firstRadius, double firstY, double secondRadius, double secondY) {
    for (int k = 0; k < 8; ++k) {
        const Point2& a = UnitOctagon[k];
        const Point2& b = UnitOctagon[k + 1];
        gl.glBegin(GL_QUADS);
        gl.glVertex3f(F(a.x * firstRadius), F(firstY), F(a.y * firstRadius));
        gl.glVertex3f(F(a.x * secondRadius), F(secondY), F(a.y * secondRadius));
        gl.glVertex3f(F(b.x * secondRadius), F(secondY), F(b.y * secondRadius));
        gl.glVertex3f(F(b.x * firstRadius), F(firstY), F(b.y * firstRadius));
        gl.glEnd();
    }
}

// An open octagonal tube along the local Z axis, in one primitive.
void OctagonTube(const GlApi& gl, double radius, double length) {
    gl.glBegin(GL_QUADS);
    for (int k = 0; k < 8; ++k) {
        const Point2& a = UnitOctagon[k];
        const Point2& b = UnitOctagon[k + 1];
        gl.glVertex3f(F(a.x * radius), F(a.y * radius), 0);
        gl.glVertex3f(F(a.x * radius), F(a.y * radius), F(length));
        gl.glVertex3f(F(b.x * radius), F(b.y * radius), F(length));
        gl.glVertex3f(F(b.x * radius), F(b.y * radius), 0);
    }
    gl.glEnd();
}

// Turns the local Z axis to horizontal direction (cos heading, sin heading) on
// the grid, tilted by pitch (negative is up).
void TurnAlong(const GlApi& gl, double heading, double pitch) {
    gl.glRotatef(F(90.0 - ToDegrees(heading)), 0, 1, 0);
    gl.glRotatef(F(ToDegrees(pitch)), 1, 0, 0);
}

void Fin(const GlApi& gl, double dx, double dy) {
    gl.glBegin(GL_POLYGON);
    gl.glVertex3f(F(0.0125 * dx), F(0.0125 * dy), 0);
    gl.glVertex3f(F(0.0125 * dx), F(0.0125 * dy), F(1.0 / 30));
    gl.glVertex3f(F(0.025 * dx), F(0.025 * dy), F(1.0 / 60));
    gl.glVertex3f(F(0.025 * dx), F(0.025 * dy), F(-1.0 / 60));
    gl.glEnd();
}

void MissilePass(const GlApi& gl, bool firstPass) {
    constexpr double radius = 1.0 / 80;
    gl.glBegin(GL_POLYGON);  // tail cap
    for (int k = 0; k < 8; ++k) gl.glVertex3f(F(UnitOctagon[k].x * radius), F(UnitOctagon[k].y * radius), 0);
    gl.glEnd();
    OctagonTube(gl, radius, 0.1);
    if (firstPass) gl.glColor3f(0.5f, 0.5f, 0.5f);  // nose and fins are grey
    gl.glBegin(GL_TRIANGLES);
    for (int k = 0; k < 8; ++k) {
        const Point2& a = UnitOctagon[k];
        const Point2& b = UnitOctagon[k + 1];
        gl.glVertex3f(F(a.x * radius), F(a.y * radius), 0.1f);
        gl.glVertex3f(F(b.x * radius), F(b.y * radius), 0.1f);
        gl.glVertex3f(0, 0, F(2.0 / 15));
    }
    gl.glEnd();
    Fin(gl, 0, 1);
    Fin(gl, 0, -1);
    Fin(gl, -1, 0);
    Fin(gl, 1, 0);
    OutlineSettings(gl);
}

}  // namespace

void DrawPlayer(const GlApi& gl, const GameState& s, int p) {
    constexpr double baseRadius = 1.0 / 15, baseTop = 0.05;
    constexpr double turretRadius = 1.0 / 20, turretTop = 1.0 / 15;
    const Cell& at = s.PlayerPos[p];
    gl.glTranslatef(GridToGl(at.x), HeightToGl(at.z), GridToGl(at.y));

    gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    PlayerColourOn(gl, p);
    OctagonPolygon(gl, baseRadius, 0);
    OctagonPolygon(gl, baseRadius, baseTop);
    gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    TwoPasses(gl, [&] { OctagonWall(gl, baseRadius, 0, baseRadius, baseTop); });

    gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    PlayerColourOn(gl, p);
    OctagonPolygon(gl, turretRadius, turretTop);
    TwoPasses(gl, [&] { OctagonWall(gl, turretRadius, turretTop, baseRadius, baseTop); });

    // The barrel starts where the shot leaves: 0.05 above the ground, and it is
    // as long as the distance the launch moves the missile out.
    gl.glLineWidth(2.0f);
    gl.glPushMatrix();
    gl.glTranslatef(0, F(baseTop), 0);
    const Aim& aim = s.PlayerAim[p];
    TurnAlong(gl, aim.azimuth, aim.elevation);
    gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    PlayerColourOn(gl, p);
    TwoPasses(gl, [&] { OctagonTube(gl, 1.0 / 40, 1.0 / 7); });
    gl.glPopMatrix();
}

MissileAttitude AttitudeOf(Point3 velocity) {
    if (velocity.x == 0) velocity.x = 0.0001;
    double heading = std::atan(velocity.y / velocity.x);
    if (velocity.x < 0) heading += Pi;
    // + 0.0 keeps a level flight from showing "-0"
    const double pitch = -std::atan(velocity.z / std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y)) + 0.0;
    return {heading, pitch};
}

void DrawMissile(const GlApi& gl, const GameState& s) {
    const Point3& at = s.Trail[std::min(s.TrailLength, static_cast<int>(s.Trail.Size))];
    gl.glPushMatrix();
    gl.glTranslatef(TrailGridToGl(at.x), TrailHeightToGl(at.z), TrailGridToGl(at.y));

    const MissileAttitude attitude = AttitudeOf(s.MissileVelocity);
    TurnAlong(gl, attitude.heading, attitude.pitch);
    gl.glTranslatef(0, 0, -0.1f);  // only the nose reaches beyond the trail point
    gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    PlayerColourOn(gl, s.CurrentPlayer);
    MissilePass(gl, true);
    MissilePass(gl, false);
    gl.glPopMatrix();
}

}  // namespace sky
