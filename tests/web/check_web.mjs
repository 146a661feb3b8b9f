// check_web.mjs URL PICTURES: the web build at URL, driven in Debian's chromium (scripts/check-web).
// PICTURES holds the X11 build's x11-main.png and x11-about.png and takes the screenshots.
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';

const [url, pictures] = process.argv.slice(2);
let passed = 0, failed = 0;
const check = (what, ok) => { ok ? passed++ : failed++; if (!ok) console.log(`FAIL: ${what}`); };

// The right answer of each question, from the question bank: the strings of an entry are its
// name (LabelN), the question, its three answers and the key, adjacent literals joined.
const literals = [...readFileSync(new URL('../../quiz/question_bank.cpp', import.meta.url), 'utf8')
    .replace(/"\s+"/g, '').matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(m => m[1].replace(/\\(.)/g, '$1'));
const rightAnswer = new Map(); // answer text -> whether it is right
literals.forEach((name, i) => {
    if (/^Label\d+$/.test(name))
        for (const [k, key] of ['aa', 'bb', 'cc'].entries()) rightAnswer.set(literals[i + 2 + k], literals[i + 5] === key);
});

const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
});

// A page of the program in a context of its own, with the main window shown.
async function open(options = {}) {
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, ...options });
    const page = await context.newPage();
    page.on('pageerror', error => check(`no error in the page: ${error}`, false));
    await page.goto(url);
    await mirror(page, 'button', 'Изход').waitFor({ state: 'attached' });
    return page;
}
// Qt's mirror of a control for screen readers: an element under the control's own pixels.
// Qt never removes the mirror of a closed box: the newest one shown is taken.
const mirror = (page, tag, name) => page.locator(`.qt-window-a11y-container ${tag}[aria-hidden=false]`)
    .filter({ hasText: new RegExp(`^${name}$`) }).last();
const mainWindow = page => page.locator('.qt-window').first();
// Whether the window titled so comes to be on top, at the main window's centre, and active.
const onTop = (page, title) => page.waitForFunction(title => {
    const root = document.querySelector('#qt-shadow-container').shadowRoot, r = root.querySelector('.qt-window').getBoundingClientRect();
    const top = root.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2)?.closest('.qt-window');
    return top?.querySelector('.window-name')?.textContent === title && !top.classList.contains('inactive');
}, title, { timeout: 10000 }).then(() => true, () => false);
// Whether a box with the text comes to be the active window (it opens once the event that
// opens it is over; its mirror is there before it takes the keys).
const boxSays = (page, text) => page.locator('.qt-window:not(.inactive)', {
    has: page.locator('.qt-window-a11y-container textarea[aria-hidden=false]').filter({ hasText: text }),
}).first().waitFor({ state: 'attached', timeout: 10000 }).then(() => true, () => false);
// Whether the box over the main window comes to be closed.
const boxGone = (page, windowsLeft = 1) => page.waitForFunction(left => document.querySelector('#qt-shadow-container')
    .shadowRoot.querySelectorAll('.qt-window').length === left, windowsLeft, { timeout: 10000 }).then(() => true, () => false);
// The answers on view, in order, each with whether it is right.
const radios = page => page.locator('input[type=radio][aria-hidden=false]');
const answersOnView = page => radios(page).evaluateAll(all => all.map(radio => radio.textContent))
    .then(texts => texts.map(text => rightAnswer.get(text)));
const chosen = page => radios(page).evaluateAll(all => all.findIndex(radio => radio.getAttribute('checked') === 'true'));
const pick = (answers, right) => answers.findIndex(isRight => isRight === right);
const gradeFor = right => `Отговорихте правилно на ${right} въпроса и оценката Ви е ` +
    ['Слаб (2)', 'Слаб (2)', 'Слаб (2)', 'Среден (3)', 'Добър (4)', 'Мн. добър (5)', 'Отличен (6)', 'Отличен (6)'][right];
// Whether the client area (menu bar and contents) looks as the X11 build's picture does.
function looksLike(picture, reference) {
    let differing;
    try { differing = execFileSync('compare', ['-metric', 'AE', '-fuzz', '3%', picture, reference, 'null:'], { stdio: 'pipe' }).toString(); }
    catch (e) { differing = e.stderr.toString(); }
    return Number(differing) <= 762 * 562 / 200;
}
const contents = page => mainWindow(page).locator('.qt-window-contents');

// A whole test by keys with four right answers, the guard box first.
{
    const page = await open();
    await contents(page).click({ position: { x: 700, y: 5 } }); // the menu bar's empty end
    await page.keyboard.press('F2'); // the focus goes to the first question's answers
    const firstAnswers = await answersOnView(page);
    // From the answers past New test, Exit and the greyed Next question to Accept.
    for (const key of ['Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Space']) await page.keyboard.press(key);
    check('Accept with no answer gives the guard box', await boxSays(page, 'Не сте отговорили на текущия въпрос!'));
    await page.keyboard.press('F2');
    await page.keyboard.press('Enter');
    check('Enter closes the guard box', await boxGone(page));
    check('F2 did nothing while the box was open', String(await answersOnView(page)) === String(firstAnswers));
    for (const key of ['Tab', 'Tab', 'Tab']) await page.keyboard.press(key); // Exit, New test, the answers
    for (let question = 0; question < 7; ++question) {
        const choice = pick(await answersOnView(page), question < 4);
        for (let i = 0; i < 4 && await chosen(page) !== choice; ++i) await page.keyboard.press('ArrowDown');
        for (const key of ['Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Space']) await page.keyboard.press(key);
        if (question === 0) {
            const tree = await (await page.context().newCDPSession(page)).send('Accessibility.getFullAXTree');
            const next = tree.nodes.find(node => node.name?.value === 'Следващ въпрос');
            check('a screen reader hears the verdict on Next question', next?.description?.value === 'Верен отговор.');
        }
        if (question < 6) await page.keyboard.press('Space');
    }
    check('seven answers by keys, four right, give the grade for four', await boxSays(page, gradeFor(4)));
    await page.context().close();
}

// A whole test by mouse, all right; then by touch on a phone, none right, the menu and About too.
for (const [options, right, press] of [
    [{ viewport: { width: 1024, height: 768 } }, 7, (page, box) => page.mouse.click(box.x + box.width / 2, box.y + box.height / 2)],
    [{ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 }, 0,
        (page, box) => page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2)]]) {
    const page = await open(options);
    const tap = async (tag, name) => press(page, await mirror(page, tag, name).boundingBox());
    if (options.hasTouch) { // Тест, then Нов тест, the first item of the drop-down below it
        const menu = await mirror(page, 'button[role=menuitem]', 'Тест').boundingBox();
        await tap('button[role=menuitem]', 'Тест');
        await press(page, { x: menu.x, y: menu.y + menu.height + 2, width: 40, height: 16 });
    } else await tap('button:not([role])', 'Нов тест');
    for (let question = 0; question < 7; ++question) {
        const choice = pick(await answersOnView(page), right > question);
        const radio = await radios(page).nth(choice).boundingBox();
        await press(page, { ...radio, x: radio.x, width: 16 }); // the round button, not the text's far end
        await tap('button:not([role])', 'Приеми отговора');
        if (question < 6) await tap('button:not([role])', 'Следващ въпрос');
    }
    check(`seven answers by ${options.hasTouch ? 'touch' : 'mouse'} give the grade for ${right}`, await boxSays(page, gradeFor(right)));
    // Qt places the mirror of a box's controls where the box was made, before it was centred on
    // the main window, so the box is closed by Enter, which presses its OK.
    await page.keyboard.press('Enter');
    check(`Enter closes the grade box after a test by ${options.hasTouch ? 'touch' : 'mouse'}`, await boxGone(page));
    await tap('button[role=menuitem]', 'за Zelvarin');
    check(`About opens by ${options.hasTouch ? 'touch' : 'mouse'}`, await page.locator('.window-name:text-is("About Zelvarin")')
        .waitFor({ timeout: 10000 }).then(() => true, () => false));
    await page.context().close();
}

// About over the main window: the lock holds against clicks on the main window; Alt+S gives
// the System Info box; Esc closes About, and the main window looks as at the start.
{
    const page = await open();
    await contents(page).click({ position: { x: 700, y: 5 } });
    await contents(page).screenshot({ path: `${pictures}/web-before-about.png` });
    for (const key of ['F10', 'ArrowRight', 'Enter']) await page.keyboard.press(key);
    const newTest = await mirror(page, 'button', 'Нов тест').boundingBox();
    await page.mouse.click(newTest.x + newTest.width / 2, newTest.y + newTest.height / 2);
    await page.keyboard.press('F2');
    check('About stays over the main window when the main window is clicked', await onTop(page, 'About Zelvarin'));
    await page.keyboard.press('Alt+S');
    check('Alt+S in About gives the System Info box', await boxSays(page, 'System Information Is Unavailable At This Time'));
    await page.keyboard.press('Enter');
    // The keys go to About again once Qt has made it the active window after the box.
    check('Enter closes the System Info box and About is active again', await boxGone(page, 2) &&
          await onTop(page, 'About Zelvarin'));
    await page.keyboard.press('Escape');
    check('Esc closes About', await onTop(page, 'Zelvarin'));
    await contents(page).screenshot({ path: `${pictures}/web-main.png` });
    check('the clicks and F2 under About did nothing', looksLike(`${pictures}/web-main.png`, `${pictures}/web-before-about.png`));
    await page.context().close();
}

// Exit and the close box end the program, and the page says so.
for (const [how, end] of [['Exit', page => mirror(page, 'button', 'Изход').click({ force: true })],
                          ['the close box', page => mainWindow(page).locator('.title-bar .action-button').last().click()]]) {
    const page = await open();
    if (how === 'Exit') {
        const exit = await mirror(page, 'button', 'Изход').boundingBox();
        await page.mouse.click(exit.x + exit.width / 2, exit.y + exit.height / 2);
    } else await end(page);
    await page.locator('#ended').waitFor({ timeout: 10000 }).catch(() => {});
    check(`${how} ends the program and the page says how to start again`, await page.locator('#ended').isVisible() &&
          await page.locator('.qt-window').count() === 0);
    await page.context().close();
}

// Every size of screen: the whole window in view, sharp; at scale 1 as on X11. Then the
// accessibility tree, and a start with no network after the first visit.
for (const [width, height, scale, mobile] of [[1366, 768, 1], [1024, 768, 1], [844, 390, 3, true], [390, 844, 3, true], [1366, 768, 2]]) {
    const page = await open({ viewport: { width, height }, deviceScaleFactor: scale, isMobile: !!mobile, hasTouch: !!mobile });
    const name = `web-${width}x${height}${scale === 2 ? '@2' : ''}`;
    await page.screenshot({ path: `${pictures}/${name}.png` });
    const box = await mainWindow(page).boundingBox(), view = await page.evaluate(() => [visualViewport.width, visualViewport.height]);
    check(`${name}: the whole window is in view`, box.x >= 0 && box.y >= 0 && box.x + box.width <= view[0] && box.y + box.height <= view[1]);
    const picture = `${pictures}/${name}-client.png`;
    await contents(page).screenshot({ path: picture, scale: 'device' });
    const size = execFileSync('identify', ['-format', '%w %h', picture]).toString();
    if (!mobile) check(`${name}: drawn at the screen's ${scale} pixels per point`, size === `${762 * scale} ${562 * scale}`);
    if (!mobile && scale === 1) check(`${name}: the client area looks as on X11`, looksLike(picture, `${pictures}/x11-main.png`));
    await page.context().close();
}
{
    const page = await open();
    const cdp = await page.context().newCDPSession(page);
    const names = (await cdp.send('Accessibility.getFullAXTree')).nodes.map(node => node.name?.value);
    for (const name of ['Тест', 'за Zelvarin', 'Нов тест', 'Приеми отговора', 'Следващ въпрос', 'Изход'])
        check(`the accessibility tree has "${name}"`, names.includes(name));
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.context().setOffline(true);
    await page.reload();
    check('with no network the program starts again from the cache',
          await mirror(page, 'button', 'Изход').waitFor({ state: 'attached', timeout: 30000 }).then(() => true, () => false));
    await page.context().close();
}
await browser.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
