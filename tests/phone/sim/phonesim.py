#!/usr/bin/env python3
"""Simulated phone on a pseudo-terminal: answers the AT dialogue of the SMS link in PDU mode.

The pty's slave end is linked as a COM port of the Wine prefix, so the program opens it with
CreateFileW like a real port. Scenarios (JSON) give the two memories, the phone's identity and the
faults to inject; a control directory lets a test load a scenario and read the phone's state.
"""
import argparse
import fcntl
import json
import os
import pty
import select
import signal
import sys
import termios
import time
import tty

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pdutool  # noqa: E402

CTRL_Z = 0x1A
ESC = 0x1B

# Noise on the line: stray control and high bytes around short lines of printable junk.
DEFAULT_GARBAGE = (bytes([0xFE, 0x00, 0x13]) + b"\r\n}{~#!\r\n" + bytes([0x80, 0x9C]) + b"\r\nZX?@\r\n"
                   + bytes([0xFF, 0xF0]) + b"\r\n%$&\r\n\r\n+++\r\n" + bytes([0x1B, 0x7F]))


def sca_octets(pdu):
    """Octets of the service-centre part at the start of a PDU (length octet included)."""
    try:
        return 1 + int(pdu[0:2], 16)
    except ValueError:
        return 1


def tpdu_length(pdu):
    return len(pdu) // 2 - sca_octets(pdu)


class Phone:
    def __init__(self, scenario_dir):
        self.scenario_dir = scenario_dir
        self.reset({})

    # ---------------------------------------------------------------- state
    def reset(self, sc):
        self.scenario = sc
        self.manufacturer = sc.get("manufacturer", "Nokia")
        self.model = sc.get("model", "6310i")
        self.csca = sc.get("csca", "+6281100000")
        self.echo = sc.get("echo", True)
        # Pacing: "baud" bytes/10 per second; "pacing": true alone means 9600 baud.
        self.baud = sc.get("baud") or (9600 if sc.get("pacing") else 0)
        # "keep": the messages stored before stay, the scenario's arrive (listed by index).
        kept = self.memories if sc.get("keep") else {}
        self.memories = {}
        for name in ("ME", "SM"):
            m = sc.get("memories", {}).get(name)
            if m is None:
                continue
            msgs = list(kept.get(name, {}).get("messages", []))
            for i, e in enumerate(m.get("messages", [])):
                msgs.append({"index": e.get("index", i + 1), "stat": e.get("stat", 1),
                             "pdu": pdutool.build(e), "length": e.get("length")})
            if kept:
                msgs.sort(key=lambda msg: int(msg["index"]))
            self.memories[name] = {"total": m.get("total", 30), "messages": msgs}
        self.faults = [dict(f) for f in sc.get("faults", [])]
        for f in self.faults:
            f["seen"] = 0
        # Unsolicited result codes: a line sent after the echo of a command, before its answer
        # ("command": "PDU" for the answer to a PDU after the prompt).
        self.urcs = [dict(u) for u in sc.get("urc", [])]
        for u in self.urcs:
            u["seen"] = 0
        # Some phones list PDUs in lower-case hex.
        self.lower_hex = bool(sc.get("lowercase_hex", False))
        self.pdu_mode = False
        self.memory = None
        self.silent = False
        self.commands = []
        self.sent = []
        self.dialed = []
        self.deleted = []
        self.bytes_in = 0
        self.bytes_out = 0
        self.next_mr = sc.get("first_mr", 1)
        self.pending_send = None   # (length, fault) while collecting a PDU
        self.inbuf = bytearray()
        self.transcript_lines = []

    # ---------------------------------------------------------------- faults
    def fault_for(self, cmd):
        up = cmd.upper()
        for f in self.faults:
            key = f.get("command", "").upper()
            if f.get("prefix", False) or key.endswith("="):
                hit = up.startswith(key)
            else:
                hit = up == key
            if not hit:
                continue
            f["seen"] += 1
            occ = f.get("occurrence", 0)
            if occ and f["seen"] != occ:
                continue
            return f
        return None

    def urc_for(self, cmd):
        up = cmd.upper()
        out = b""
        for u in self.urcs:
            key = u.get("command", "").upper()
            if not (up.startswith(key) if key.endswith("=") else up == key):
                continue
            u["seen"] += 1
            occ = u.get("occurrence", 0)
            if occ and u["seen"] != occ:
                continue
            out += ("\r\n%s\r\n" % u.get("line", '+CMTI: "SM",3')).encode("latin-1")
        return out

    # ---------------------------------------------------------------- answers
    def final_ok(self, lines=()):
        out = b""
        if lines:
            out += b"\r\n" + b"\r\n".join(l.encode("latin-1") for l in lines) + b"\r\n"
        return out + b"\r\nOK\r\n"

    @staticmethod
    def error():
        return b"\r\nERROR\r\n"

    @staticmethod
    def cms(code):
        return ("\r\n+CMS ERROR: %d\r\n" % code).encode()

    @staticmethod
    def cme(code):
        return ("\r\n+CME ERROR: %d\r\n" % code).encode()

    def listing(self):
        mem = self.memories.get(self.memory, {"messages": []})
        lines = []
        for m in mem["messages"]:
            length = m["length"] if m.get("length") is not None else tpdu_length(m["pdu"])
            lines.append("+CMGL: %s,%d,,%d" % (m["index"], m["stat"], length))
            lines.append(m["pdu"].lower() if self.lower_hex else m["pdu"])
        return self.final_ok(lines)

    def answer(self, cmd):
        up = cmd.upper()
        if up in ("AT", "ATZ"):
            return self.final_ok()
        if up == "ATE0":
            self.echo = False
            return self.final_ok()
        if up == "ATE1":
            self.echo = True
            return self.final_ok()
        if up == "AT+CGMI":
            return self.final_ok([self.manufacturer])
        if up in ("AT+GMM", "AT+CGMM"):
            return self.final_ok([self.model])
        if up == "AT+CSCA?":
            return self.final_ok(['+CSCA: "%s",%d' % (self.csca, 145 if self.csca.startswith("+") else 129)])
        if up.startswith("AT+CSCA="):
            val = cmd[8:].split(",")[0].strip().strip('"')
            if not val:
                return self.error()
            self.csca = val
            return self.final_ok()
        if up in ("AT+CMGF=0", "AT+CMGF=1"):
            self.pdu_mode = up.endswith("0")
            return self.final_ok()
        if up.startswith("AT+CPMS="):
            name = cmd[8:].split(",")[0].strip().strip('"').upper()
            if name not in self.memories:
                return self.error()
            self.memory = name
            m = self.memories[name]
            used = len(m["messages"])
            total = m["total"]
            return self.final_ok(["+CPMS: %d,%d,%d,%d,%d,%d" % (used, total, used, total, used, total)])
        if up == "AT+CMGL=4":
            if not self.pdu_mode:
                return self.cms(302)
            if self.memory is None:
                return self.cms(310)
            return self.listing()
        if up.startswith("AT+CMGD="):
            arg = cmd[8:].strip()
            if not arg.isdigit() or self.memory is None:
                return self.cms(321)
            msgs = self.memories[self.memory]["messages"]
            for m in msgs:
                if str(m["index"]) == arg:
                    msgs.remove(m)
                    self.deleted.append("%s %s" % (self.memory, m["index"]))
                    return self.final_ok()
            return self.cms(321)
        if up.startswith("ATD") and up.endswith(";"):
            self.dialed.append(cmd[3:-1])
            return self.final_ok()
        return self.error()

    # ---------------------------------------------------------------- input
    def on_command(self, cmd):
        """Answer one command line; returns the bytes to send."""
        self.commands.append(cmd)
        self.log(">> " + cmd)
        if self.silent:
            return b""
        out = (cmd + "\r").encode("latin-1", "replace") if self.echo else b""
        out += self.urc_for(cmd)
        f = self.fault_for(cmd)
        up = cmd.upper()
        if f is not None:
            act = f.get("action")
            if act == "silence":
                self.silent = True
                return b""
            if act == "garbage":
                data = bytes.fromhex(f["data"]) if "data" in f else DEFAULT_GARBAGE
                return out + data * f.get("repeat", 1)
            if act == "error":
                return out + self.error()
            if act == "ok":
                return out + self.final_ok()
            if act == "cms_error" and not up.startswith("AT+CMGS="):
                return out + self.cms(f.get("code", 500))
            if act == "cme_error":
                return out + self.cme(f.get("code", 100))
            if act == "cut":
                full = self.answer(cmd)
                n = f.get("after_bytes", len(full) // 2)
                return out + full[:n]
        if up.startswith("AT+CMGS="):
            arg = cmd[8:].strip()
            if not arg.lstrip("-").isdigit():
                return out + self.error()
            self.pending_send = (int(arg), f if (f and f.get("action") == "cms_error") else None)
            return out + b"\r\n> "
        return out + self.answer(cmd)

    def on_pdu(self, text, cancelled):
        length, fault = self.pending_send
        self.pending_send = None
        self.log(">> PDU " + text + (" <ESC>" if cancelled else " <CTRL-Z>"))
        out = text.encode("latin-1", "replace") if self.echo else b""
        out += self.urc_for("PDU")
        pf = self.fault_for("PDU")
        if pf is not None and pf.get("action") == "silence":
            self.silent = True
            return out
        if cancelled:
            return out + self.final_ok()
        if fault is not None:
            return out + self.cms(fault.get("code", 500))
        ok = len(text) >= 4 and len(text) % 2 == 0 and all(c in "0123456789ABCDEFabcdef" for c in text)
        if not ok or tpdu_length(text) != length:
            self.sent.append({"length": length, "pdu": text, "mr": -1})
            return out + self.cms(304)
        mr = self.next_mr
        self.next_mr = (self.next_mr + 1) % 256
        self.sent.append({"length": length, "pdu": text, "mr": mr})
        return out + self.final_ok(["+CMGS: %d" % mr])

    def feed(self, data):
        """Takes bytes from the line; returns the bytes to answer."""
        out = b""
        for b in data:
            if self.pending_send is not None:
                if b in (CTRL_Z, ESC):
                    text = self.inbuf.decode("latin-1").replace("\r", "").replace("\n", "")
                    self.inbuf.clear()
                    out += self.on_pdu(text, b == ESC)
                else:
                    self.inbuf.append(b)
                continue
            if b == 0x0D:
                cmd = self.inbuf.decode("latin-1").strip()
                self.inbuf.clear()
                if cmd:
                    out += self.on_command(cmd)
            elif b == 0x0A:
                continue
            else:
                self.inbuf.append(b)
        if out:
            self.log("<< " + repr(out)[2:-1])
        return out

    # ---------------------------------------------------------------- reports
    def log(self, line):
        self.transcript_lines.append(line)

    def state_text(self):
        lines = ["echo %d" % (1 if self.echo else 0),
                 "pdumode %d" % (1 if self.pdu_mode else 0),
                 "csca %s" % self.csca,
                 "bytes_in %d" % self.bytes_in,
                 "bytes_out %d" % self.bytes_out]
        lines += ["cmd " + c for c in self.commands]
        for name in ("ME", "SM"):
            for m in self.memories.get(name, {"messages": []})["messages"]:
                lines.append("mem %s %s %d %s" % (name, m["index"], m["stat"], m["pdu"]))
        lines += ["deleted " + d for d in self.deleted]
        lines += ["sent %d %d %s" % (s["length"], s["mr"], s["pdu"]) for s in self.sent]
        lines += ["dial " + d for d in self.dialed]
        return "\n".join(lines) + "\n"


class Line:
    """The pty with optional pacing: bytes move at baud/10 per second in each direction."""

    def __init__(self, master):
        self.master = master
        self.out = bytearray()
        self.incoming = bytearray()
        self.in_clock = 0.0
        self.out_clock = 0.0

    def byte_time(self, phone):
        return 10.0 / phone.baud if phone.baud else 0.0

    def pump(self, phone, timeout):
        now = time.monotonic()
        bt = self.byte_time(phone)
        wait = timeout
        if self.out:
            wait = min(wait, max(0.0, self.out_clock - now)) if bt else 0.0
        if self.incoming:
            wait = min(wait, max(0.0, self.in_clock + bt - now)) if bt else 0.0
        r, _, _ = select.select([self.master], [], [], wait)
        now = time.monotonic()
        if r:
            try:
                data = os.read(self.master, 4096)
            except OSError:
                data = b""
            if data:
                phone.bytes_in += len(data)
                if not self.incoming:
                    self.in_clock = max(self.in_clock, now)
                self.incoming += data
        # Bytes that have finished arriving on the line reach the phone.
        if self.incoming:
            n = min(int((now - self.in_clock) / bt), len(self.incoming)) if bt else len(self.incoming)
            if n > 0:
                chunk = bytes(self.incoming[:n])
                del self.incoming[:n]
                self.in_clock += n * bt
                reply = phone.feed(chunk)
                if reply:
                    phone.bytes_out += len(reply)
                    if not self.out:
                        self.out_clock = max(self.out_clock, now)
                    self.out += reply
        # Bytes leave as fast as the line allows.
        if self.out:
            if bt:
                n = int((now - self.out_clock) / bt) + 1 if now >= self.out_clock else 0
                n = min(n, len(self.out))
            else:
                n = len(self.out)
            if n > 0:
                try:
                    written = os.write(self.master, bytes(self.out[:n]))
                except (BlockingIOError, OSError):
                    written = 0
                del self.out[:written]
                self.out_clock += written * bt

    def idle(self):
        return not self.out and not self.incoming


def set_raw(fd):
    tty.setraw(fd)
    attrs = termios.tcgetattr(fd)
    attrs[3] &= ~(termios.ECHO | termios.ICANON | termios.ISIG | termios.IEXTEN)
    attrs[1] &= ~termios.OPOST
    attrs[0] &= ~(termios.ICRNL | termios.INLCR | termios.IGNCR | termios.IXON | termios.IXOFF)
    termios.tcsetattr(fd, termios.TCSANOW, attrs)


def load_scenario(arg, scenario_dir):
    path = arg
    if not os.path.isabs(path) and not os.path.exists(path):
        path = os.path.join(scenario_dir, arg if arg.endswith(".json") else arg + ".json")
    with open(path, encoding="utf-8") as fh:
        sc = json.load(fh)
    # "extends": another scenario whose keys this one overrides.
    base = sc.pop("extends", None)
    if base:
        merged = load_scenario(base, scenario_dir)
        merged.update(sc)
        sc = merged
    return sc


def write_atomic(path, text):
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8") as fh:
        fh.write(text)
    os.replace(tmp, path)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--link", required=True, help="symlink to create to the pty (the COM port)")
    ap.add_argument("--ctl", help="control directory (request/response files)")
    ap.add_argument("--scenario-dir", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "scenarios"))
    ap.add_argument("--scenario", help="scenario to load at start")
    ap.add_argument("--transcript", help="transcript file, rewritten after every exchange")
    ap.add_argument("--ready", help="file written once the port is linked")
    args = ap.parse_args()

    # The pty becomes this process's controlling terminal, so that no Wine process that opens it
    # can take it as its own (and get a hang-up when the simulator closes it).
    try:
        os.setsid()
    except OSError:
        pass
    signal.signal(signal.SIGHUP, signal.SIG_IGN)
    master, slave = pty.openpty()
    try:
        fcntl.ioctl(slave, termios.TIOCSCTTY, 0)
    except OSError:
        pass
    set_raw(slave)
    os.set_blocking(master, False)
    slave_name = os.ttyname(slave)
    try:
        os.unlink(args.link)
    except FileNotFoundError:
        pass
    os.symlink(slave_name, args.link)

    phone = Phone(args.scenario_dir)
    if args.scenario:
        phone.reset(load_scenario(args.scenario, args.scenario_dir))
    line = Line(master)

    stop = []
    signal.signal(signal.SIGTERM, lambda *a: stop.append(1))
    signal.signal(signal.SIGINT, lambda *a: stop.append(1))
    if args.ready:
        write_atomic(args.ready, slave_name + "\n")

    req = os.path.join(args.ctl, "request") if args.ctl else None
    written_lines = 0
    parent = os.getppid()
    last_parent_check = time.monotonic()
    try:
        while not stop:
            # The simulator ends with the harness that started it, however that ended.
            if time.monotonic() - last_parent_check > 0.5:
                last_parent_check = time.monotonic()
                if os.getppid() != parent:
                    break
            line.pump(phone, 0.002)
            if args.transcript and len(phone.transcript_lines) != written_lines:
                with open(args.transcript, "a", encoding="utf-8") as fh:
                    for l in phone.transcript_lines[written_lines:]:
                        fh.write(l + "\n")
                written_lines = len(phone.transcript_lines)
            if req and os.path.exists(req):
                try:
                    with open(req, encoding="utf-8") as fh:
                        text = fh.read()
                    os.unlink(req)
                except OSError:
                    continue
                parts = text.strip().split(None, 1)
                op = parts[0] if parts else ""
                resp = "ok\n"
                try:
                    if op == "load":
                        phone.reset(load_scenario(parts[1].strip(), args.scenario_dir))
                        line.out.clear()
                        line.incoming.clear()
                        written_lines = 0
                        if args.transcript:
                            open(args.transcript, "w").close()
                    elif op == "state":
                        resp = phone.state_text()
                    elif op == "quit":
                        stop.append(1)
                    else:
                        resp = "error unknown request\n"
                except Exception as e:  # a bad scenario is the test's error, not a crash
                    resp = "error %s\n" % e
                write_atomic(os.path.join(args.ctl, "response"), resp)
    finally:
        try:
            if os.path.islink(args.link) and os.readlink(args.link) == slave_name:
                os.unlink(args.link)
        except OSError:
            pass
        os.close(master)
        os.close(slave)


if __name__ == "__main__":
    main()
