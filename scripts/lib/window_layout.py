"""Where the game's controls lie and which greys its interface draws, as the
build writes them (BUILD/generated/window_layout.json, from the game's own
layout table and palette): the scripts that click the game from outside and
read its screen take every position and colour from here.
"""
import json
import os


class WindowLayout:
    def __init__(self, path):
        try:
            with open(path) as f:
                data = json.load(f)
        except OSError as e:
            raise SystemExit("no window layout at %s (build the game first): %s" % (path, e))
        self.width, self.height = data["window"]["width"], data["window"]["height"]
        self.dock_gap = data["window"]["dock_gap"]
        self.controls = {c["name"]: c for c in data["main"]}
        self.winner_size = (data["winner"]["width"], data["winner"]["height"])
        self.winner_controls = {c["name"]: c for c in data["winner"]["controls"]}
        self.help = data["help"]
        self.greys = {name: tuple(rgb) for name, rgb in data["greys"].items()}

    @classmethod
    def of_build(cls, build):
        return cls(os.path.join(build, "generated", "window_layout.json"))

    @classmethod
    def of_binary(cls, binary):
        """For the game at BUILD/src/skyburst3d."""
        return cls.of_build(os.path.dirname(os.path.dirname(os.path.abspath(binary))))

    def box(self, name):
        """Left, top, width and height inside the control's parent (a panel's open size)."""
        c = self.controls[name]
        return c["left"], c["top"], c["width"], c["height"]

    def folded(self, panel):
        """A folding panel's size when folded."""
        return tuple(self.controls[panel]["folded"])

    def panels(self):
        return [name for name, c in self.controls.items() if not c["parent"] and name.startswith("Panel")]

    def origin(self, panel, width, height):
        """A panel's top-left corner in a client area width x height: docked
        panels keep the dock gap to the edges they are docked to."""
        c = self.controls[panel]
        x = width - c["width"] - self.dock_gap if "right" in c["dock"] else c["left"]
        y = height - c["height"] - self.dock_gap if "bottom" in c["dock"] else c["top"]
        return x, y

    def rect(self, name, width, height):
        """A control's rectangle in a client area width x height (a panel at its open size)."""
        c = self.controls[name]
        if not c["parent"]:
            return self.origin(name, width, height) + (c["width"], c["height"])
        px, py = self.origin(c["parent"], width, height)
        return px + c["left"], py + c["top"], c["width"], c["height"]

    def parent(self, name):
        return self.controls[name]["parent"]

    def help_sizes(self):
        """The help pop-up's size for each [i] button: its panel's width, its own height."""
        return [(self.controls[self.parent(h["button"])]["width"], h["height"]) for h in self.help]

    def winner_middle(self, name):
        """The middle of a control of the winner window, inside it."""
        c = self.winner_controls[name]
        return c["left"] + c["width"] // 2, c["top"] + c["height"] // 2

    def grey(self, name):
        """An interface grey as (red, green, blue)."""
        return self.greys[name]

    def screen_problems(self, pixel, width, height):
        """What a look at the main window (client area width x height; pixel(x, y)
        gives a point of it as (red, green, blue)) does not show of the game:
        each panel's bare grey near its bottom-left corner, the overview
        map's many colours and the Shoot button's dark caption."""
        problems = []
        for name in ("Panel1", "Panel2", "Panel3", "Panel4"):
            px, py, _, ph = self.rect(name, width, height)
            cx, cy = px + 3, py + ph - 4
            if pixel(cx, cy) != self.grey("PanelGrey"):
                problems.append("%s not shown: %s at %d,%d" % (name, pixel(cx, cy), cx, cy))
        mx, my, mw, mh = self.rect("imLand", width, height)
        colours = {pixel(mx + i, my + j) for i in range(0, mw, 6) for j in range(0, mh, 6)}
        if len(colours) < 20:
            problems.append("the overview map shows %d colours" % len(colours))
        bx, by, bw, bh = self.rect("SpeedButton3", width, height)
        dark = sum(1 for i in range(bw) for j in range(bh) if max(pixel(bx + i, by + j)) < 130)
        if dark < 20:
            problems.append("no Shoot caption (%d dark pixels on the button)" % dark)
        return problems
