"""A stand-in for the desktop's screen saver and the XDG desktop portal's idle inhibition, on the session
bus: it answers as they do and writes every call, one line each, to the file it is given."""
import sys

from gi.repository import Gio, GLib

SCREEN_SAVER = '''<node><interface name="org.freedesktop.ScreenSaver">
  <method name="Inhibit"><arg direction="in" type="s"/><arg direction="in" type="s"/>
    <arg direction="out" type="u"/></method>
  <method name="UnInhibit"><arg direction="in" type="u"/></method>
</interface></node>'''
PORTAL = '''<node><interface name="org.freedesktop.portal.Inhibit">
  <method name="Inhibit"><arg direction="in" type="s"/><arg direction="in" type="u"/>
    <arg direction="in" type="a{sv}"/><arg direction="out" type="o"/></method>
</interface></node>'''
REQUEST = '''<node><interface name="org.freedesktop.portal.Request">
  <method name="Close"/>
</interface></node>'''


def serve(log):
    counter = [0]

    def write(line):
        log.write(line + '\n')
        log.flush()

    def request_called(connection, sender, path, interface, method, parameters, invocation):
        write('Close %s' % path)
        invocation.return_value(None)

    def called(connection, sender, path, interface, method, parameters, invocation):
        counter[0] += 1
        if interface == 'org.freedesktop.ScreenSaver' and method == 'Inhibit':
            write('Inhibit %d %s' % (counter[0], parameters[0]))
            invocation.return_value(GLib.Variant('(u)', (counter[0],)))
        elif method == 'UnInhibit':
            write('UnInhibit %d' % parameters[0])
            invocation.return_value(None)
        else:
            handle = '/org/freedesktop/portal/desktop/request/1/zeb%d' % counter[0]
            connection.register_object(handle, Gio.DBusNodeInfo.new_for_xml(REQUEST).interfaces[0], request_called)
            write('PortalInhibit %s flags=%d' % (handle, parameters[1]))
            invocation.return_value(GLib.Variant('(o)', (handle,)))

    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.register_object('/ScreenSaver', Gio.DBusNodeInfo.new_for_xml(SCREEN_SAVER).interfaces[0], called)
    bus.register_object('/org/freedesktop/portal/desktop', Gio.DBusNodeInfo.new_for_xml(PORTAL).interfaces[0],
                        called)
    for name in ('org.freedesktop.ScreenSaver', 'org.freedesktop.portal.Desktop'):
        bus.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus', 'RequestName',
                      GLib.Variant('(su)', (name, 4)), None, Gio.DBusCallFlags.NONE, -1, None)
    write('ready')
    GLib.MainLoop().run()


if __name__ == '__main__':
    with open(sys.argv[1], 'w') as output:
        serve(output)
