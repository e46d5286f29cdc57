"""The page in a headless Chromium (SwiftShader's WebGL): its picture at rest against the Linux
window's, in Russian and English; a finger on a slider and on the switch; a long press's menu;
Ctrl+S's download; Ctrl+C's picture on the clipboard; a choice kept across a reload; the fit at three sizes of the browser's window;
and the figures: first frame, passes a second, processor time.

    test_page.py URL FOLDER     FOLDER holds linux-ru.png and linux-en.png
"""
import glob, os, struct, subprocess, sys, time
from selenium import webdriver

url, folder = sys.argv[1], sys.argv[2]
TOLERANCE = 15  # thousandths of the pixels that may differ, as for the Windows build
SWITCH, SLIDER, BLANK = (500, 290), (416, 178), (150, 60)  # points.sh, the layout's sldW
GRAPHS, VOLTAGE_BAND = (788, 96), "400x134+590+129"  # points.sh

# Every drawing call of the page's WebGL marks the frame it falls in.
COUNT_FRAMES = """window.velmoraFrames = []; let open = false;
for (const gl of [WebGLRenderingContext.prototype, WebGL2RenderingContext.prototype]) {
  const draw = gl.drawArrays;
  gl.drawArrays = function () {
    if (!open) { open = true; velmoraFrames.push(performance.now());
                 Promise.resolve().then(() => { open = false; }); }
    return draw.apply(this, arguments); }; }"""


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait(what, check, seconds=60):
    deadline = time.monotonic() + seconds
    while not (seen := check()):
        if time.monotonic() > deadline:
            fail(f"{what}: not within {seconds} s")
        time.sleep(0.05)
    return seen


def png_size(path):
    with open(path, "rb") as f:
        return struct.unpack(">II", f.read(24)[16:24])


def differing(a, b):
    """Pixels that differ by more than a tenth, in thousandths of the picture."""
    run = subprocess.run(["compare", "-metric", "AE", "-fuzz", "10%", a, b, "null:"],
                         capture_output=True, text=True)
    width, height = png_size(a)
    return float(run.stderr.split()[0]) * 1000 / (width * height)


shots = 0
def shot():
    global shots
    shots += 1
    path = os.path.join(folder, f"page-{shots}.png")
    driver.save_screenshot(path)
    return path


def settled():
    """The page's picture once two shots in a row are the same."""
    last = [shot()]
    def same():
        last.append(shot())
        return differing(last[-2], last[-1]) == 0 and last[-1]
    return wait("a settled picture", same)


def load(query="", size=None):
    if size:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": size[0], "height": size[1], "deviceScaleFactor": 1, "mobile": False})
    driver.get(url + query)
    wait("the first frame", lambda: driver.execute_script("return velmoraFrames.length > 0"))
    return settled()


def drawn(path):
    """The width and height of what is drawn on the page's background."""
    box = subprocess.run(["convert", path, "-trim", "-format", "%w %h", "info:"],
                         capture_output=True, text=True).stdout.split()
    return int(box[0]), int(box[1])


def touch(kind, point):
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
        "type": kind, "touchPoints": [] if kind == "touchEnd" else [
            {"x": point[0], "y": point[1]}]})


def cpu_seconds():
    """Processor time of the browser's processes (the driver's descendants) so far."""
    total, family = 0, {driver.service.process.pid}
    for stat in sorted(glob.glob("/proc/[0-9]*/stat"), key=lambda p: int(p.split("/")[2])):
        try:
            fields = open(stat).read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) in family:
            family.add(int(stat.split("/")[2]))
            total += (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    return total


options = webdriver.ChromeOptions()
for flag in ("--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader", "--lang=ru",
             f"--user-data-dir={folder}/profile"):
    options.add_argument(flag)
options.add_experimental_option("prefs", {"intl.accept_languages": "ru"})
driver = webdriver.Chrome(options=options)
try:
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": COUNT_FRAMES})
    downloads = os.path.join(folder, "downloads")
    driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": downloads})
    laid_out = png_size(os.path.join(folder, "linux-ru.png"))
    for language, query in (("en", "?lang=en"), ("ru", "")):
        rest = load(query, laid_out)
        off = differing(rest, os.path.join(folder, "linux-" + language + ".png"))
        print(f"web-test: at rest ({language}): {off:.1f} thousandths differ from Linux")
        if off > TOLERANCE:
            fail(f"the page at rest ({language}) differs from the Linux window")
    rest_w = drawn(rest)[0]
    first = driver.execute_script(
        "return velmoraFrames[0] - performance.getEntriesByType('navigation')[0].startTime")
    print(f"web-test: first frame {first / 1000:.2f} s after navigation")

    touch("touchStart", SLIDER)
    for x in range(SLIDER[0], SLIDER[0] + 121, 10):
        touch("touchMove", (x, SLIDER[1]))
    touch("touchEnd", None)
    if differing(rest, settled()) == 0:
        fail("a finger's drag did not move the frequency slider")

    touch("touchStart", SWITCH)
    touch("touchEnd", None)
    moving = [shot()]
    wait("the run under way", lambda: moving.append(shot()) or
         differing(moving[-2], moving[-1]) > 0 and differing(moving[0], moving[-1]) > 0)
    # A mouse's click shows the graphs, and the voltage is traced in blue.
    canvas = driver.find_element("id", "velmora")
    webdriver.ActionChains(driver).move_to_element_with_offset(
        canvas, GRAPHS[0] - canvas.size["width"] // 2,
        GRAPHS[1] - canvas.size["height"] // 2).click().perform()
    wait("a voltage curve traced", lambda: int(subprocess.run(
        ["convert", shot(), "-crop", VOLTAGE_BAND, "-fuzz", "20%", "-fill", "black", "+opaque",
         "#0000ff", "-fill", "white", "-opaque", "#0000ff", "-format", "%[fx:mean*w*h]", "info:"],
        capture_output=True, text=True).stdout.split(".")[0] or 0) > 60)
    frames, cpu, start = len(driver.execute_script("return velmoraFrames")), cpu_seconds(), time.monotonic()
    wait("five seconds of the run", lambda: time.monotonic() - start >= 5, 10)
    took = time.monotonic() - start
    passes = (len(driver.execute_script("return velmoraFrames")) - frames) / took
    print(f"web-test: running: {passes:.0f} frames a second, "
          f"{(cpu_seconds() - cpu) / took * 100:.0f} % of a core for the browser")

    calm = load("", laid_out)
    touch("touchStart", BLANK)
    wait("the menu of a long press", lambda: differing(calm, shot()) > 5, 10)
    touch("touchEnd", None)

    load("", laid_out)
    webdriver.ActionChains(driver).key_down("\ue009").send_keys("s").key_up("\ue009").perform()
    wait("Ctrl+S's download", lambda: glob.glob(os.path.join(downloads, "velmora-*.png")))

    # Ctrl+C: the picture on the clipboard as PNG, where the page may write it (localhost is a
    # secure context; the permission stands for the user's consent).
    driver.execute_cdp_cmd("Browser.grantPermissions", {"origin": url.rstrip("/"), "permissions": [
        "clipboardReadWrite", "clipboardSanitizedWrite"]})
    webdriver.ActionChains(driver).key_down("\ue009").send_keys("c").key_up("\ue009").perform()
    wait("Ctrl+C's picture on the clipboard", lambda: driver.execute_async_script(
        "navigator.clipboard.read().then(items => arguments[0](items.some(i =>"
        " i.types.includes('image/png'))), () => arguments[0](false))"), 10)

    webdriver.ActionChains(driver).send_keys("c").perform()
    capacitor = wait("the capacitor", lambda: differing(rest, p := settled()) > 5 and p)
    if differing(capacitor, load("", laid_out)) > TOLERANCE:
        fail("the element chosen was not kept across a reload")

    for width, height in ((1280, 720), (1920, 1080), (800, 360)):
        picture = load("", (width, height))
        page = driver.execute_script("""const r = velmora.getBoundingClientRect(),
            d = document.documentElement; return [d.scrollWidth, d.scrollHeight, innerWidth,
            innerHeight, r.left, r.top, r.width, r.height]""")
        if page[:2] != page[2:4] or page[4:] != [0, 0, width, height]:
            fail(f"at {width}×{height} the page scrolls or the canvas does not cover it: {page}")
        # The drawing's extent against its extent at the laid-out size: the scale it is shown at.
        w, h = drawn(picture)
        scale, fits = w / rest_w, min(width / laid_out[0], height / laid_out[1])
        if not 0.97 * fits <= scale <= fits + 0.01 or w > width or h > height:
            fail(f"at {width}×{height} the scene is drawn at {scale:.2f}, not fitted ({fits:.2f})")
        print(f"web-test: fitted at {width}×{height}: the scene at {scale:.2f} ({fits:.2f} fits)")
finally:
    driver.quit()
