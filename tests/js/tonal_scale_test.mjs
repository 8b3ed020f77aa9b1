// Checks the core's tonal scales with colorjs.io, an independent implementation of OKLCH, the WCAG 2 ratio and
// APCA: each step's OKLCH lightness and chroma as the core reports them, the lightness of each computed step on its
// aim (lightness mode), chroma falling away from the base, lightness running one way along the steps, the base
// unchanged, and each contrast target met (contrast mode), all re-measured by colorjs.io.
// Usage: node tonal_scale_test.mjs PATH/TO/tonal_scale_dump
// Exit 0 when everything agrees, 1 on a disagreement, 77 (skipped) when colorjs.io is not installed.
import { spawnSync } from "node:child_process";

let Color;
try {
  Color = (await import("colorjs.io")).default;
} catch {
  console.log("colorjs.io is not installed: run `npm ci` in tests/js (scripts/test does)");
  process.exit(77);
}

const dump = process.argv[2];
// colorjs.io and the core both take OKLab from the CSS Color 4 matrices; they differ in the last digits only.
const LCH_TOLERANCE = 1e-6;
const AIM_TOLERANCE = 0.005;
// Rounding to 8 bits may lift a step's chroma a hair above its neighbour nearer the base.
const CHROMA_TOLERANCE = 0.002;
// colorjs.io takes luminance from the exact CSS Color 4 matrix, WCAG 2 from its four-digit coefficients.
const RATIO_TOLERANCE = 0.005;
const LC_TOLERANCE = 0.1;

const hex2 = (n) => n.toString(16).padStart(2, "0");
const hex = ([r, g, b]) => hex2(r) + hex2(g) + hex2(b);

// A small seeded generator, so a failure can be reproduced.
let seed = 0x7a1e5ca1;
function random() {
  seed ^= seed << 13; seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5; seed >>>= 0;
  return seed / 4294967296;
}

const bases = [];
for (const r of [0, 51, 102, 153, 204, 255])
  for (const g of [0, 51, 102, 153, 204, 255])
    for (const b of [0, 51, 102, 153, 204, 255]) bases.push(hex([r, g, b]));
for (let i = 0; i < 400; ++i) bases.push(hex([0, 1, 2].map(() => Math.floor(random() * 256))));
for (const v of [1, 17, 119, 128, 200, 254]) bases.push(hex([v, v, v]));

// [mode, measure, background, hue shift]
const setups = [
  ["lightness", "wcag", "ffffff", 0],
  ["lightness", "wcag", "ffffff", 30],
  ["contrast", "wcag", "ffffff", 0],
  ["contrast", "apca", "ffffff", 0],
  ["contrast", "wcag", "000000", 0],
];
const requests = [];
for (const setup of setups) for (const base of bases) requests.push([...setup, base]);

const input = requests.map(([mode, measure, back, shift, base]) => `${mode} ${measure} ${back} ${base} ${shift}`);
const result = spawnSync(dump, [], { input: input.join("\n") + "\n", maxBuffer: 1 << 28 });
if (result.status !== 0) {
  console.log(`${dump} failed: ${result.stderr}`);
  process.exit(1);
}
const lines = result.stdout.toString().split("\n");

const failures = [];
const fail = (text) => failures.push(text);
let worstL = 0;
let worstC = 0;
let worstAim = 0;
let steps = 0;

requests.forEach(([mode, measure, back, shift, base], i) => {
  const where = `${mode} ${measure} on #${back}, shift ${shift}, base #${base}`;
  const line = lines[i];
  if (!line.startsWith("OK\t")) return fail(`${where}: ${line}`);
  const swatches = line.slice(3).split("\t").map((field) => {
    const [name, color, L, C, h, aim, target, pin] = field.split(" ");
    return { name, color, L: +L, C: +C, h: +h, aim: +aim, target: +target, pin: +pin };
  });
  const background = new Color("#" + back);
  const baseIndex = swatches.findIndex((s) => s.pin === 1);
  if (baseIndex < 0 || swatches[baseIndex].color !== base) fail(`${where}: the base is not kept`);

  const theirs = swatches.map((s) => {
    const [L, C] = new Color("#" + s.color).to("oklch").coords;
    return { L, C: C || 0 };
  });
  swatches.forEach((s, k) => {
    ++steps;
    const at = `${where}, step ${s.name} #${s.color}`;
    const { L, C } = theirs[k];
    const dL = Math.abs(L - s.L);
    const dC = Math.abs(C - s.C);
    worstL = Math.max(worstL, dL);
    worstC = Math.max(worstC, dC);
    if (!(dL <= LCH_TOLERANCE)) fail(`${at}: L ${s.L}, colorjs.io ${L}`);
    if (!(dC <= LCH_TOLERANCE)) fail(`${at}: C ${s.C}, colorjs.io ${C}`);
    if (k > 0 && Math.sign(L - theirs[k - 1].L) !== Math.sign(theirs[1].L - theirs[0].L))
      fail(`${at}: lightness ${L} does not run on from ${theirs[k - 1].L}`);
    if (s.pin !== 0) return;

    if (mode === "lightness") {
      const dAim = Math.abs(L - s.aim);
      worstAim = Math.max(worstAim, dAim);
      if (!(dAim <= AIM_TOLERANCE)) fail(`${at}: L ${L} misses its aim ${s.aim}`);
      const toward = theirs[k < baseIndex ? k + 1 : k - 1];
      const nearerIsLock = swatches[k < baseIndex ? k + 1 : k - 1].pin === 2;
      if (shift === 0 && !nearerIsLock && C > toward.C + CHROMA_TOLERANCE)
        fail(`${at}: chroma ${C} rises above ${toward.C} away from the base`);
      return;
    }
    const color = new Color("#" + s.color);
    if (measure === "wcag") {
      const ratio = Color.contrastWCAG21(color, background);
      if (!(ratio >= s.target - RATIO_TOLERANCE)) fail(`${at}: ratio ${ratio} below its target ${s.target}`);
    } else {
      // colorjs.io takes the background first.
      const lc = Color.contrastAPCA(background, color);
      if (!(Math.abs(lc) >= Math.abs(s.target) - LC_TOLERANCE) || (s.target !== 0 && Math.sign(lc) !== Math.sign(s.target)))
        fail(`${at}: Lc ${lc} short of its target ${s.target}`);
    }
  });
});

console.log(`${requests.length} scales, ${steps} steps: largest difference L ${worstL.toExponential(2)}, ` +
            `C ${worstC.toExponential(2)}; largest miss of a lightness aim ${worstAim.toFixed(4)}`);
if (failures.length > 0) {
  console.log(`${failures.length} disagreements:\n` + failures.slice(0, 40).join("\n"));
  process.exit(1);
}
