"""Turns a UTF-8 text file into the UTF-16LE form that the setup embeds: byte-order mark,
CR LF line ends. Usage: make_utf16_text.py <source.txt> <target>"""

import sys


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    text = text.replace("\r\n", "\n").replace("\n", "\r\n")
    with open(target, "wb") as f:
        f.write("\ufeff".encode("utf-16-le") + text.encode("utf-16-le"))


if __name__ == "__main__":
    main()
