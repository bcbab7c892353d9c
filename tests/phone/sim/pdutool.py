"""Builds the PDUs a phone stores (SMS-DELIVER, SMS-SUBMIT, SMS-STATUS-REPORT) for scenarios."""

GSM = ("@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞ\x1bÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
       "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà")
EXT = {"^": 0x14, "{": 0x28, "}": 0x29, "\\": 0x2F, "[": 0x3C, "~": 0x3D, "]": 0x3E, "|": 0x40, "€": 0x65}


def septets(text):
    out = []
    for ch in text:
        if ch in EXT:
            out += [0x1B, EXT[ch]]
        elif ch in GSM:
            out.append(GSM.index(ch))
        else:
            out.append(GSM.index("?"))
    return out


def pack(sept, fill_bits=0):
    """Packs septets (3GPP TS 23.038), after fill_bits zero bits."""
    bits = 0
    nbits = fill_bits
    out = bytearray()
    acc = 0
    for s in sept:
        acc |= (s & 0x7F) << nbits
        nbits += 7
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8
    if nbits > 0:
        out.append(acc & 0xFF)
    return bytes(out)


def semi_octets(number):
    digits = number.lstrip("+")
    if len(digits) % 2:
        digits += "F"
    return "".join(digits[i + 1] + digits[i] for i in range(0, len(digits), 2))


def address(number):
    """Length in semi-octets, type of address, digits; alphanumeric when not all digits."""
    digits = number.lstrip("+")
    if digits.isdigit():
        toa = 0x91 if number.startswith("+") else 0x81
        return "%02X%02X%s" % (len(digits), toa, semi_octets(digits))
    sept = septets(number)
    packed = pack(sept)
    return "%02X%02X%s" % (len(packed) * 2, 0xD0, packed.hex().upper())


def sca(number):
    if not number:
        return "00"
    body = "%02X%s" % (0x91 if number.startswith("+") else 0x81, semi_octets(number))
    return "%02X%s" % (len(body) // 2, body)


def timestamp(ts):
    """ts as 'YY/MM/DD hh:mm:ss' -> 7 swapped octets (zone octet semi-octets "82"); with a third field
    of signed quarter hours ('YY/MM/DD hh:mm:ss +28') that zone."""
    d, t, *zone = ts.split(" ")
    yy, mm, dd = d.split("/")
    h, mi, s = t.split(":")
    z = "82"
    if zone:
        q = abs(int(zone[0]))
        z = "%X%d" % (q // 10 | (8 if zone[0].startswith("-") else 0), q % 10)
    return semi_octets(yy + mm + dd + h + mi + s + z)


def user_data(text, ucs2, concat):
    """Returns (dcs, udl, ud hex)."""
    udh = b""
    if concat:
        ref, total, seq = concat
        if ref > 255:
            udh = bytes([6, 8, 4, ref >> 8, ref & 0xFF, total, seq])
        else:
            udh = bytes([5, 0, 3, ref, total, seq])
    if ucs2:
        body = text.encode("utf-16-be")
        return 0x08, len(udh) + len(body), (udh + body).hex().upper()
    sept = septets(text)
    if udh:
        fill = (7 - (len(udh) * 8) % 7) % 7
        hdr_septets = (len(udh) * 8 + fill) // 7
        packed = pack(sept, fill)
        return 0x00, hdr_septets + len(sept), (udh + packed).hex().upper()
    return 0x00, len(sept), pack(sept).hex().upper()


def deliver(sender, text, ts="05/04/29 14:05:09", ucs2=False, concat=None, smsc="+6281100000"):
    dcs, udl, ud = user_data(text, ucs2, concat)
    first = 0x04 | (0x40 if concat else 0)
    return (sca(smsc) + "%02X" % first + address(sender) + "00" + "%02X" % dcs + timestamp(ts)
            + "%02X" % udl + ud)


def submit(dest, text, ucs2=False, concat=None):
    dcs, udl, ud = user_data(text, ucs2, concat)
    first = 0x11 | (0x40 if concat else 0)
    return "00" + "%02X" % first + "00" + address(dest) + "00" + "%02X" % dcs + "A7" + "%02X" % udl + ud


def status_report(recipient, ts="05/04/29 14:05:00", discharge="05/04/29 14:05:09", status=0,
                  smsc="+6281100000", mr=5):
    return (sca(smsc) + "06" + "%02X" % mr + address(recipient) + timestamp(ts) + timestamp(discharge)
            + "%02X" % status)


def build(entry):
    """A memory entry of a scenario: {"pdu": hex} or one of "deliver", "submit", "status"."""
    if "pdu" in entry:
        return entry["pdu"]
    if "deliver" in entry:
        d = entry["deliver"]
        return deliver(d["from"], d["text"], d.get("ts", "05/04/29 14:05:09"), d.get("ucs2", False),
                       d.get("concat"), d.get("smsc", "+6281100000"))
    if "submit" in entry:
        d = entry["submit"]
        return submit(d["to"], d["text"], d.get("ucs2", False), d.get("concat"))
    if "status" in entry:
        d = entry["status"]
        return status_report(d["recipient"], d.get("ts", "05/04/29 14:05:00"),
                             d.get("discharge", "05/04/29 14:05:09"), d.get("status", 0))
    raise ValueError("memory entry without pdu")
