#!/usr/bin/env python3
"""Writes the seed corpus of the reply-parser fuzz targets: one valid reply of each kind.

Input layout (fuzz_input.h): a flags byte, then bursts, each a length byte and its bytes.
Run from anywhere; it rewrites corpus/sms_parser, corpus/gprs_parser and corpus/smsconf_apply_reply.
"""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
HEAD = bytes([0x1A, 0x2A, 0x3A, 0x4A, 0x5A, 0x6A, 0x7A, 0x8A])


def crc16(data):
    crc = 0xFFFF
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def with_crc(frame):
    c = crc16(frame)
    return frame + bytes([c & 0xFF, c >> 8])


def frame(code, op, data=b""):
    return HEAD + bytes([code, op]) + data


def bursts(flags, *parts):
    out = bytes([flags])
    for p in parts:
        while len(p) >= 255:   # a long reply goes on in the next burst
            out += bytes([255]) + p[:255]
            p = p[255:]
        out += bytes([len(p)]) + p
    return out


def write(folder, seeds):
    path = os.path.join(HERE, "corpus", folder)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    for name, data in seeds.items():
        with open(os.path.join(path, name), "wb") as f:
            f.write(data)


# QX3100: frame half (flags bit 0 clear), SMS-test half (bit 0 set) in each form.
PASSIVE, ACTIVE, TRANSPARENT, FORMAT = 0, 2, 0, 4
READ, STATUS, SEND = 1 << 3, 2 << 3, 3 << 3
phone_read = with_crc(frame(0xD4, 1, bytes([0, 5, 0, 0]) + bytes.fromhex("138001380000FFFF")))
sms = {
    "frame_init": bursts(0, frame(0xFD, 1)),
    "frame_forms": bursts(0, frame(0xF8, 0, b"\x00"), frame(0xF9, 0, b"\x01")),
    "frame_receiver": bursts(0, frame(0xA2, 0, bytes.fromhex("003800138000"))),
    "frame_password": bursts(0, frame(0xA1, 0, b"\x01"), frame(0xF1, 0, bytes.fromhex("12345678"))),
    "frame_version": bursts(0, frame(0xEC, 0, b"QX3100V1.05")),
    "frame_address": bursts(0, frame(0xE2, 0, b"\x00\x05"), frame(0xE1, 0, bytes([1, 2, 8, 1]))),
    "frame_restart": bursts(0, frame(0xA3, 0, (720000).to_bytes(4, "big")), frame(0xFB, 0, b"\x00")),
    "frame_power": bursts(0, frame(0xD3, 0, b"\x01"), frame(0xD2, 0, bytes([0, 5, 0, 10])), frame(0xDB, 0, b"\x01")),
    "frame_phone": bursts(0, phone_read, frame(0xD4, 2, b"\x00\x05")),
    "frame_two_in_one": bursts(0, frame(0xF8, 0, b"\x01") + frame(0xF9, 0, b"\x00")),
    "test_active_format": bursts(1 | ACTIVE | FORMAT, bytes([0xD7, 0xFA]), bytes([0xD7, 0x01])
                                 + bytes.fromhex("00138001380000") + "你好".encode("utf-16-be") + bytes(6)),
    "test_active_transparent": bursts(1 | ACTIVE | TRANSPARENT, b"hello ", b"world"),
    "test_passive_read": bursts(1 | PASSIVE | READ, b"!\x00\x05\x00\x04" + "短信".encode("utf-16-be") + b"\x00"),
    "test_passive_read_empty": bursts(1 | PASSIVE | READ, b"!\x00\x05\x00\x00\x00"),
    "test_passive_status": bursts(1 | PASSIVE | STATUS, b"!\x00\x05\x00\x02\x00"),
    "test_passive_send": bursts(1 | PASSIVE | SEND, b"!\x00\x05\x00", b"?\x00\x05"),
    "test_passive_format_read": bursts(1 | PASSIVE | FORMAT | READ | 0x40,
                                       b"!\x00\x05\x00\x10\x00\x00" + bytes.fromhex("138001380000") + b"\x00" + b"text" + bytes(7)),
}
write("sms_parser", sms)

# QX3200: parameter branch (flags bit 0 set) and data branch (bit 0 clear).
P = 1
gprs = {
    "para_status": bursts(P, frame(0xFD, 1)),
    "para_version": bursts(P, frame(0xEC, 3, b"QX3200V2.01")),
    "para_addresses": bursts(P, frame(0xE2, 3, b"\x00\x05"), frame(0xF3, 3, b"\x12\x34")),
    "para_identity": bursts(P, frame(0xF4, 3, bytes([0x12, 0x34, 0xAB, 0xCD]))),
    "para_identity_results": bursts(P | 0x40 | 0x80, frame(0xF4, 0xFA), frame(0xF4, 0x08), frame(0xFD, 3)),
    "para_heartbeat": bursts(P, frame(0xF6, 3, b"\x00\x3C"), frame(0xE4, 3, b"\x03")),
    "para_forms": bursts(P, frame(0xF8, 3, b"\x01"), frame(0xF9, 3, b"\x00"), frame(0xFB, 3, b"\x00")),
    "para_address_settings": bursts(P, frame(0xE1, 3, bytes([1, 2, 8, 2]))),
    "para_line": bursts(P, frame(0xF2, 6)),
    "para_power": bursts(P, frame(0xD3, 3, b"\x01"), frame(0xD2, 3, bytes([0, 5, 0, 10])), frame(0xDB, 3, b"\x01")),
    "data_passive_read": bursts(PASSIVE | READ, b"!\x00\x05\x00\x03abc"),
    "data_passive_memory": bursts(PASSIVE | STATUS, b"!\x00\x05\x00\x00\x00", b"?\x00\x05"),
    "data_passive_write": bursts(PASSIVE | SEND, b"!\x00\x05\x00"),
    "data_active_format": bursts(ACTIVE | FORMAT, bytes([0xD7, 0xFA]), bytes([0xD7, 0x01, 0x12, 0x34, 0x00, 0x00]) + b"payload"),
    "data_active_transparent": bursts(ACTIVE | TRANSPARENT | 0x20, b"first ", b"second"),
}
write("gprs_parser", gprs)


# smsconf: flags bits 0-1 read loop, 2-3 write loop, 4-5 position, 6 waits about to run out, 7 loops tick.
def record(text):
    units = text.encode("utf-16-be")
    return (bytes([len(units)]) + units).ljust(128, b"\xFF")


block0 = with_crc(frame(0xE9, 3, bytes([0]) + b"".join(record("信息%d" % k) for k in range(8))))
phones = frame(0xEB, 3, b"".join(("1380013800%d" % k).encode().ljust(20, b"\xFF") for k in range(20)))
smsconf = {
    "phone_ack": bursts(0, frame(0xEB, 1, b"\x00OK")),
    "phone_table": bursts(0, phones),
    "clear_ack": bursts(0, frame(0xEA, 0, b"OK")),
    "serial_params": bursts(0, frame(0xF2, 2, b"4802"), frame(0xF2, 1, b"\x00OK")),
    "page_ack_in_loop": bursts(1 << 2 | 0x80, frame(0xE9, 1, b"\x00OK")),
    "page_ack_single": bursts(0, frame(0xE9, 1, b"\x00ER")),
    "block_in_loop": bursts(2 | 0x80, block0),
    "addresses": bursts(0, b"QX_ADDR=12\r\n", b"QX_VREG=300\r\n", b"OK\r\n"),
}
write("smsconf_apply_reply", smsconf)


# The decoder targets take the same replies without the windows; their flags
# byte has other meanings, so each seed goes in with flags bit 0 clear and set.
def derive(source, target):
    folder = os.path.join(HERE, "corpus", target)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name in sorted(os.listdir(os.path.join(HERE, "corpus", source))):
        with open(os.path.join(HERE, "corpus", source, name), "rb") as f:
            seed = f.read()
        for bit in (0, 1):
            with open(os.path.join(folder, "%s_%d" % (name, bit)), "wb") as f:
                f.write(bytes([(seed[0] & 0xFE) | bit]) + seed[1:])


derive("sms_parser", "sms_decoders")
derive("gprs_parser", "gprs_decoders")
