"""A stand-in for the desktop portal's GlobalShortcuts interface on the
test's own session bus.

It answers CreateSession and BindShortcuts as the portal does (through
Request objects and their Response signals), writes each bind's preferred
trigger to LOG, and emits Activated for the bound shortcut when a test calls
org.dorvane.test.FakePortal.Press.
Usage: fake_portal.py LOG
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
IFACE = "org.freedesktop.portal.GlobalShortcuts"


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    def __init__(self, bus, path, log):
        super().__init__(bus, path)
        self.log = log

    @dbus.service.method("org.freedesktop.portal.Session")
    def Close(self):
        self.log("closed")
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus, log_path):
        super().__init__(bus, PATH)
        self.bus = bus
        self.log_path = log_path
        self.session = None
        self.shortcut = None

    def log(self, line):
        with open(self.log_path, "a") as f:
            f.write(line + "\n")

    def answer(self, sender, token, results):
        path = "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), token)
        request = Request(self.bus, path)
        # The answer follows the call's reply, as the portal's does.
        GLib.timeout_add(50, lambda: request.Response(dbus.UInt32(0), results) or False)
        return dbus.ObjectPath(path)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        if interface == IFACE and prop == "version":
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException("no such property",
                                            name="org.freedesktop.DBus.Error.InvalidArgs")

    @dbus.service.method(IFACE, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        self.session = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"),
                                             options["session_handle_token"])
        Session(self.bus, self.session, self.log)
        return self.answer(sender, options["handle_token"],
                           {"session_handle": dbus.String(self.session)})

    @dbus.service.method(IFACE, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        bound = []
        for shortcut_id, props in shortcuts:
            self.shortcut = str(shortcut_id)
            self.log("bind %s %s" % (shortcut_id, props.get("preferred_trigger", "")))
            bound.append(dbus.Struct((shortcut_id, dbus.Dictionary(
                {"description": props.get("description", ""),
                 "trigger_description": props.get("preferred_trigger", "")},
                signature="sv")), signature="sa{sv}"))
        return self.answer(sender, options["handle_token"],
                           {"shortcuts": dbus.Array(bound, signature="(sa{sv})")})

    @dbus.service.signal(IFACE, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.method("org.dorvane.test.FakePortal")
    def Press(self):
        if self.session and self.shortcut:
            self.Activated(dbus.ObjectPath(self.session), self.shortcut, dbus.UInt64(0),
                           dbus.Dictionary({}, signature="sv"))


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, sys.argv[1])
    name = dbus.service.BusName(NAME, bus)  # held while the loop runs
    GLib.MainLoop().run()
    del portal, name


if __name__ == "__main__":
    main()
