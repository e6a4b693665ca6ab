# wm_ping.py WINDOW SECONDS: pings WINDOW four times a second for SECONDS as
# a window manager does (_NET_WM_PING, answered to the root window) and
# fails when an answer takes more than a second. First asks the window to
# close, as its close button does.
import sys, time
from Xlib import X, display
from Xlib.protocol.event import ClientMessage

screen = display.Display()
root = screen.screen().root
window = screen.create_resource_object("window", int(sys.argv[1]))
protocols = screen.intern_atom("WM_PROTOCOLS")
ping = screen.intern_atom("_NET_WM_PING")
delete = screen.intern_atom("WM_DELETE_WINDOW")
if ping not in window.get_wm_protocols():
    sys.exit("the window does not take _NET_WM_PING")
# The answer goes to the root for its structure events, which a window
# manager hears as the root's redirecting client and this one by asking.
root.change_attributes(event_mask=X.StructureNotifyMask)

def send(*data):
    message = ClientMessage(window=window, client_type=protocols, data=(32, list(data)))
    window.send_event(message, event_mask=X.NoEventMask)
    screen.flush()

send(delete, X.CurrentTime, 0, 0, 0)
start = time.monotonic()
answers, slowest = 0, 0.0
while time.monotonic() - start < float(sys.argv[2]):
    stamp = answers + 1
    sent = time.monotonic()
    send(ping, stamp, window.id, 0, 0)
    answered = False
    while not answered and time.monotonic() - sent < 1:
        while not answered and screen.pending_events():
            event = screen.next_event()
            answered = (event.type == X.ClientMessage and event.window.id == root.id
                        and list(event.data[1][:2]) == [ping, stamp])
        time.sleep(0.01)
    if not answered:
        sys.exit("no answer to _NET_WM_PING within a second, %.1f s in" % (sent - start))
    slowest = max(slowest, time.monotonic() - sent)
    answers += 1
    time.sleep(0.25)
print("ping: %d answers in %s s, the slowest after %d ms" % (answers, sys.argv[2], slowest * 1000))
