#!/usr/bin/python3
"""Makes the photos the photo tests and benchmarks read, into the folder given.

A CMYK JPEG, a JPEG stored on its side with an orientation tag, GPS position and camera serial, a
24-megapixel JPEG, a 400-pixel PNG, a cut-off JPEG, a 108-megapixel PNG and a text file named .jpg.
"""
import sys
from pathlib import Path

from PIL import Image, ImageDraw

GPS_IFD = 0x8825
EXIF_IFD = 0x8769


def gradient(width, height):
    """A smooth picture with some detail, as a camera's photo has."""
    small = Image.new("RGB", (64, 48))
    draw = ImageDraw.Draw(small)
    for x in range(64):
        draw.line([(x, 0), (x, 47)], fill=(x * 4, 120, 255 - x * 4))
    picture = small.resize((width, height), Image.BILINEAR)
    draw = ImageDraw.Draw(picture)
    for step in range(0, width, max(1, width // 40)):
        draw.line([(step, 0), (width - step, height)], fill=(240, 220, 40), width=max(1, width // 600))
    return picture


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)

    Image.new("CMYK", (800, 600), (255, 0, 0, 0)).save(folder / "cmyk.jpg", quality=95)

    # Stored 1200 x 800 with a red top-left corner; orientation 6 turns it upright to 800 x 1200, the red
    # corner at the top right.
    sideways = gradient(1200, 800)
    ImageDraw.Draw(sideways).rectangle([0, 0, 99, 99], fill=(255, 0, 0))
    exif = Image.Exif()
    exif[0x0112] = 6
    exif[0x010F] = "PhoneMaker"
    exif[0x0110] = "Phone 12"
    exif.get_ifd(EXIF_IFD)[0xA431] = "SERIAL-0123456789"
    gps = exif.get_ifd(GPS_IFD)
    gps[1] = "N"
    gps[2] = (51.0, 30.0, 26.0)
    gps[3] = "W"
    gps[4] = (0.0, 7.0, 39.0)
    sideways.save(folder / "sideways-gps.jpg", quality=92, exif=exif.tobytes(), comment=b"holiday at home")

    gradient(6000, 4000).save(folder / "24-megapixels.jpg", quality=92)
    gradient(400, 300).save(folder / "400-pixels.png")

    whole = (folder / "sideways-gps.jpg").read_bytes()
    (folder / "cut-off.jpg").write_bytes(whole[: len(whole) // 2])

    Image.new("1", (12000, 9000), 1).save(folder / "108-megapixels.png")
    (folder / "notes.jpg").write_text("Not a picture: shipping notes.\n")

    # Five phone photos for the window's drop of several files.
    for number in range(1, 6):
        photo = gradient(2000, 1500)
        ImageDraw.Draw(photo).rectangle([0, 0, 200 * number, 200], fill=(30 * number, 0, 0))
        photo.save(folder / f"phone-{number}.jpg", quality=90, exif=exif.tobytes())


if __name__ == "__main__":
    main()
