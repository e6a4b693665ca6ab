"""The Authenticode signature of a Windows program, as the PE format lays it
out (Microsoft, "PE Format": "The Attribute Certificate Table", "Optional
Header Data Directories", "CheckSum").

  pe_signature.py table PROGRAM      prints the certificate table's offset
                                     and size, "0 0" when unsigned
  pe_signature.py added UNSIGNED SIGNED
                                     fails, saying where, unless SIGNED is
                                     UNSIGNED with a signature added: the
                                     same bytes but for the checksum and the
                                     security directory entry, then zeros up
                                     to an 8-byte boundary and one
                                     certificate table to the end, and a
                                     checksum that matches the file
"""

import array
import struct
import sys

WIN_CERT_REVISION_2_0 = 0x0200
WIN_CERT_TYPE_PKCS_SIGNED_DATA = 0x0002


def fields(data):
    """The offsets of the checksum and of the security directory entry."""
    (header,) = struct.unpack_from("<I", data, 0x3C)
    if data[header:header + 4] != b"PE\0\0":
        sys.exit("not a PE file")
    optional = header + 24
    (magic,) = struct.unpack_from("<H", data, optional)
    directories = optional + (112 if magic == 0x20B else 96)
    return optional + 64, directories + 4 * 8


def table(data):
    return struct.unpack_from("<II", data, fields(data)[1])


def checksum(data):
    """The image checksum: 16-bit words added with end-around carry, the
    checksum field left out, plus the file's length."""
    at, _ = fields(data)
    words = array.array("H", data[:at] + b"\0\0\0\0" + data[at + 4:] + b"\0" * (len(data) % 2))
    if sys.byteorder == "big":
        words.byteswap()
    total = sum(words)
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def added(unsigned, signed):
    """What keeps SIGNED from being UNSIGNED with a signature added."""
    checksum_at, entry_at = fields(unsigned)
    if table(unsigned) != (0, 0):
        return ["the unsigned file has a certificate table"]
    offset, size = table(signed)
    problems = []
    if offset != (len(unsigned) + 7) // 8 * 8:
        problems.append(f"the certificate table is at {offset}, not after the "
                        f"{len(unsigned)} unsigned bytes")
    if offset + size != len(signed) or size < 8:
        problems.append(f"the certificate table ({offset}, {size}) does not end the "
                        f"{len(signed)} bytes")
    if any(signed[len(unsigned):offset]):
        problems.append("the padding before the certificate table is not zeros")
    if size >= 8:
        length, revision, kind = struct.unpack_from("<IHH", signed, offset)
        if length > size or (revision, kind) != (WIN_CERT_REVISION_2_0,
                                                  WIN_CERT_TYPE_PKCS_SIGNED_DATA):
            problems.append(f"the certificate is not one PKCS #7 signature "
                            f"(length {length}, revision {revision:#x}, type {kind:#x})")
    # The bytes between the checksum and the entry, and after the entry.
    for start, end in ((0, checksum_at), (checksum_at + 4, entry_at),
                       (entry_at + 8, len(unsigned))):
        if unsigned[start:end] != signed[start:end]:
            first = next(at for at in range(start, end) if unsigned[at] != signed[at])
            problems.append(f"the bytes from {first} differ")
            break
    (stored,) = struct.unpack_from("<I", signed, checksum_at)
    if stored != checksum(signed):
        problems.append(f"the checksum is {stored:#x}, the file's {checksum(signed):#x}")
    return problems


def main():
    if sys.argv[1:2] == ["table"] and len(sys.argv) == 3:
        print("%d %d" % table(open(sys.argv[2], "rb").read()))
    elif sys.argv[1:2] == ["added"] and len(sys.argv) == 4:
        problems = added(open(sys.argv[2], "rb").read(), open(sys.argv[3], "rb").read())
        for problem in problems:
            print(f"{sys.argv[3]}: {problem}", file=sys.stderr)
        sys.exit(1 if problems else 0)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
