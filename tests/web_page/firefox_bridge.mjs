// Drives Firefox for the page's browser test, over WebDriver BiDi with puppeteer-core (Debian
// has no geckodriver). It reads one command a line on stdin, as JSON, and answers each with one
// line of JSON on stdout: {"value": ...} or {"error": "..."}. The commands are the few the
// test's Python side asks of every browser (see FirefoxDriver in page_scenario.py).
import puppeteer from 'puppeteer-core';
import readline from 'node:readline';

// Downloads go to a folder of the test's without asking, and the downloads panel, which would
// take the focus from the page, stays shut.
const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    extraPrefsFirefox: {
        'browser.download.alwaysOpenPanel': false,
        'browser.download.folderList': 2,
        'browser.download.dir': process.env.DOWNLOADS || '/tmp',
        'browser.download.useDownloadDir': true,
        'browser.sessionhistory.max_total_viewers': 0, // no back-forward copies of pages
    },
});
const page = await browser.newPage();
const problems = [];
page.on('console', (message) => {
    if (['error', 'warning', 'warn'].includes(message.type())) {
        problems.push(message.text());
    }
});
page.on('pageerror', (error) => problems.push(String(error)));

// A script as WebDriver runs it: a function body with its arguments, and for an asynchronous
// one a last argument to call with the result. Evaluated by the protocol, not by the page, so
// the page's Content-Security-Policy does not apply to it.
const call = (script, args) => `(function () { ${script}\n}).apply(null, ${JSON.stringify(args)})`;
const callAsync = (script, args) => `new Promise((done) => (function () { ${script}\n})` +
    `.apply(null, ${JSON.stringify(args)}.concat([done])))`;
const element = async (id) => {
    const found = await page.$(`[id="${id}"]`);
    if (!found) {
        throw new Error(`no element ${id}`);
    }
    return found;
};
const focused = () => page.evaluate(() => document.activeElement && document.activeElement.id);

const commands = {
    goto: ({ url }) => page.goto(url, { waitUntil: 'domcontentloaded' }).then(() => null),
    viewport: ({ width, height }) => page.setViewport({ width, height }).then(() => null),
    script: ({ script, args }) => page.evaluate(call(script, args)),
    asyncScript: ({ script, args }) => page.evaluate(callAsync(script, args)),
    screenshot: async () => Buffer.from(await page.screenshot({ type: 'png' })).toString('base64'),
    click: async ({ id }) => (await element(id)).click().then(() => null),
    clear: async ({ id }) => {
        await (await element(id)).click({ count: 3 });
        await page.keyboard.press('Backspace');
        return null;
    },
    type: async ({ id, text }) => {
        if (id !== null && id !== await focused()) {
            await (await element(id)).focus();
        }
        await page.keyboard.type(text);
        return null;
    },
    press: async ({ id, key }) => {
        if (id !== null && id !== await focused()) {
            await (await element(id)).focus();
        }
        await page.keyboard.press(key);
        return null;
    },
    focused,
    hover: async ({ id, x, y }) => {
        const box = await (await element(id)).boundingBox();
        await page.mouse.move(box.x + box.width / 2 + x, box.y + box.height / 2 + y);
        return null;
    },
    // The page printed to PDF on paper of that size (as CSS lengths), base64.
    pdf: async ({ width, height }) =>
        Buffer.from(await page.pdf({ width, height })).toString('base64'),
    problems: () => problems.splice(0),
    quit: async () => {
        await browser.close();
        process.exit(0);
    },
};

for await (const line of readline.createInterface({ input: process.stdin })) {
    const command = JSON.parse(line);
    try {
        const value = await commands[command.op](command);
        process.stdout.write(JSON.stringify({ value: value === undefined ? null : value }) + '\n');
    } catch (error) {
        process.stdout.write(JSON.stringify({ error: String(error) }) + '\n');
    }
}
