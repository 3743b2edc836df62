#!/usr/bin/env python3
"""Writes a synthetic bookmark tree: about 60 % Internet shortcuts as browsers
write them, 30 % other files and 10 % folders, up to 6 levels deep.

usage: generate_tree.py FOLDER ENTRIES [SEED]
"""
import os
import random
import sys

WORDS = ("news tech linux debian kernel rust python recipes travel music books "
         "science space weather maps docs manual guide blog forum wiki shop "
         "video photo garden cars bikes health finance school work home").split()
EXTENSIONS = ("pdf", "txt", "html", "docx", "png", "jpg", "odt", "md")
PROPERTY_STORE = "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n"


def shortcut_text(rng):
    host = f"www.{rng.choice(WORDS)}{rng.randrange(1000)}.example"
    path = "/".join(rng.choice(WORDS) for _ in range(rng.randrange(1, 5)))
    url = f"https://{host}/{path}?id={rng.randrange(10**6)}"
    style = rng.randrange(3)
    if style == 0:  # Internet Explorer, Edge
        return (f"{PROPERTY_STORE}[InternetShortcut]\r\nIDList=\r\nURL={url}\r\n"
                f"IconIndex=0\r\nHotKey=0\r\nIconFile=https://{host}/favicon.ico\r\n")
    if style == 1:  # Chromium, Firefox
        return f"[InternetShortcut]\r\nURL={url}\r\n"
    return f"[DEFAULT]\r\nBASEURL={url}\r\n[InternetShortcut]\r\nURL={url}\r\nModified=0\r\n"


def name(rng):
    words = [rng.choice(WORDS).capitalize() for _ in range(rng.randrange(1, 4))]
    return " ".join(words) + f" {rng.randrange(10**5)}"


def main():
    root, entries = sys.argv[1], int(sys.argv[2])
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    os.makedirs(root, exist_ok=True)
    folders = [(root, 1)]
    made = 0
    while made < entries:
        folder, depth = rng.choice(folders)
        kind = rng.random()
        made += 1
        if kind < 0.10 and depth < 6:
            path = os.path.join(folder, name(rng))
            if not os.path.exists(path):
                os.mkdir(path)
                folders.append((path, depth + 1))
        elif kind < 0.70:
            with open(os.path.join(folder, name(rng) + ".url"), "w", newline="") as f:
                f.write(shortcut_text(rng))
        else:
            ext = rng.choice(EXTENSIONS)
            with open(os.path.join(folder, f"{name(rng)}.{ext}"), "wb") as f:
                f.write(b"x" * rng.randrange(64))


if __name__ == "__main__":
    main()
