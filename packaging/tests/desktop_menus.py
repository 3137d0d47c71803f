#!/usr/bin/python3
"""Builds the applications menus of GNOME and LXDE from their own menu files, with the
desktop entry installed in a folder of the test's own, as a desktop does at log-in, and
checks that each menu lists the program exactly once. Usage: desktop_menus.py ENTRY"""

import os
import shutil
import sys
import tempfile

import gi

gi.require_version("GMenu", "3.0")
from gi.repository import GMenu  # noqa: E402

MENUS = ["gnome-applications.menu", "lxde-applications.menu"]


def places(directory, path=()):
    """Every (menu path, desktop file id) of the entries under a menu directory."""
    items = directory.iter()
    while (kind := items.next()) != GMenu.TreeItemType.INVALID:
        if kind == GMenu.TreeItemType.DIRECTORY:
            sub = items.get_directory()
            yield from places(sub, path + (sub.get_name(),))
        elif kind == GMenu.TreeItemType.ENTRY:
            yield path, items.get_entry().get_desktop_file_id()


def main():
    entry = sys.argv[1]
    entry_id = os.path.basename(entry)
    with tempfile.TemporaryDirectory() as data:
        os.mkdir(os.path.join(data, "applications"))
        shutil.copy(entry, os.path.join(data, "applications"))
        # Only this entry and the system's menu directories; no user's own entries.
        os.environ.update(XDG_DATA_HOME=data, XDG_DATA_DIRS=f"{data}:/usr/share",
                          XDG_CONFIG_HOME=data, XDG_CONFIG_DIRS="/etc/xdg")
        failed = 0
        for menu in MENUS:
            tree = GMenu.Tree.new(menu, GMenu.TreeFlags.NONE)
            tree.load_sync()
            found = [" / ".join(path) for path, id in places(tree.get_root_directory())
                     if id == entry_id]
            if len(found) != 1:
                failed += 1
                print(f"FAIL: {menu} lists the program under {found or 'nothing'}")
    print(f"desktop menus: {len(MENUS) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


main()
