'use strict';
// Binds the exercise form, which the page's markup already shows, to its sheet (the program's
// own C++, compiled to WebAssembly): forwards what the user does, and shows what the sheet
// reports. Every place, caption, colour and rule is the design's or the sheet's; this script
// only joins them to the page.
//
// It runs before the form is parsed, and listens on the whole document, so that nothing the
// user does to the form is missed, however early; what the user asks of the sheet before its
// module has started is done, in order, as soon as it has.

(function () {
    const moduleAddress = document.currentScript.dataset.module; // with its version
    const byId = (id) => document.getElementById(id);
    const inForm = (element) => element instanceof Element &&
        element.parentElement !== null && element.parentElement.classList.contains('form');

    let sheet = null; // the sheet's functions, once its module has started
    const waiting = [];
    // Until the sheet has started, the page holds the worksheet of the form as its markup drew
    // it. Once the boxes may show something else, a print shows a note instead of a worksheet
    // that would not match them (see page.css), and Ctrl+P waits for the sheet.
    const worksheetBehind = (behind) => {
        document.documentElement.dataset.worksheet = behind ? 'behind' : 'current';
    };
    // What the user does before then waits its turn; what may change the boxes puts the page's
    // worksheet behind them.
    const withSheet = (action, changesBoxes = true) => {
        if (sheet) {
            action();
            return;
        }
        waiting.push(action);
        if (changesBoxes) {
            worksheetBehind(true);
        }
    };

    const messages = []; // shown one after another, as a desktop's message boxes are
    let focusBeforeMessage = null;

    // What the sheet reports.
    const view = {
        showText(name, text) {
            byId(name).value = text;
        },
        showEnabled(name, enabled) {
            byId(name).disabled = !enabled;
        },
        showLook(name, face, points) {
            const button = byId(name);
            button.style.background = face;
            button.style.fontSize = points + 'pt';
        },
        showMessage(warning, text) {
            messages.push({ warning, text });
            if (messages.length === 1) {
                showNextMessage();
            }
        },
        // The worksheet as the page prints it: each page's text, at the size the sheet chose.
        showPrint(fontPoints, pitch, pages) {
            const worksheet = byId('worksheet');
            worksheet.style.setProperty('--print-size', fontPoints + 'pt');
            worksheet.style.setProperty('--print-line', pitch + 'pt');
            worksheet.replaceChildren(...pages.map((text) => {
                const page = document.createElement('pre');
                page.textContent = text;
                return page;
            }));
        },
        // The worksheet's bytes, exactly as the sheet wrote them, as a download.
        download(name, bytes) {
            const file = new Blob([bytes], { type: 'text/plain; charset=windows-1253' });
            const link = document.createElement('a');
            link.href = URL.createObjectURL(file);
            link.download = name;
            document.body.append(link);
            link.click();
            link.remove();
            setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        },
    };

    // A message as a modal dialog under the window's caption: the text with its line breaks,
    // the warning sign for a warning only, and OK. The focus goes back where it was.
    function showNextMessage() {
        const { warning, text } = messages[0];
        if (!byId('message')) { // made from its template when first needed
            document.body.append(byId('message-template').content.cloneNode(true));
        }
        const dialog = byId('message');
        byId('message-text').textContent = text;
        byId('message-sign').hidden = !warning;
        dialog.setAttribute('role', warning ? 'alertdialog' : 'dialog');
        focusBeforeMessage = focusBeforeMessage || document.activeElement;
        dialog.showModal();
        // A long message opens at its top, where what happened is said (its text scrolls, OK
        // stays in sight: see page.css), with OK in reach of Enter.
        byId('message-ok').focus({ preventScroll: true });
        dialog.querySelector('.message-body').scrollTop = 0;
    }
    document.addEventListener('close', (event) => {
        if (event.target.id !== 'message') {
            return;
        }
        messages.shift();
        if (messages.length > 0) {
            showNextMessage();
            return;
        }
        if (focusBeforeMessage) {
            focusBeforeMessage.focus();
        }
        focusBeforeMessage = null;
    }, true); // a dialog's close does not bubble

    // The characters of a text that the sheet's key filter lets into the first number box.
    const accepted = (text) => [...text].filter((character) => sheet.accepts(character)).join('');
    const filtered = (element) => inForm(element) && element.hasAttribute('data-key-filter');

    // An edit reaches the sheet with the text the box held then. Before the sheet has started
    // it waits in turn with the clicks, and puts its text back in the box when its turn comes,
    // since a click before it may have changed the box (the magnet empties it).
    const editedEarly = new Set();
    function edited(box) {
        const text = box.value;
        if (sheet) {
            sheet.edit(box.id, text);
            return;
        }
        editedEarly.add(box);
        keep();
        withSheet(() => {
            box.value = filtered(box) ? accepted(text) : text;
            sheet.edit(box.id, box.value);
        });
    }
    document.addEventListener('input', (event) => {
        if (inForm(event.target) && !event.isComposing) {
            edited(event.target);
        }
    });

    // The first number box lets a typed character in only when the sheet's key filter does.
    // What an input method commits cannot be refused beforehand: its refused characters are
    // taken out when the composition ends, as are those typed before the sheet had started.
    // Pasted text passes, as on the desktops.
    document.addEventListener('beforeinput', (event) => {
        if (sheet && filtered(event.target) && event.inputType === 'insertText' && event.data &&
            accepted(event.data) !== event.data) {
            event.preventDefault();
        }
    });
    let beforeComposing = '';
    document.addEventListener('compositionstart', (event) => {
        if (filtered(event.target)) {
            beforeComposing = event.target.value;
        }
    });
    // A browser need send no input event after a composition ends (Chromium sends none): what
    // it committed reaches the sheet from here.
    document.addEventListener('compositionend', (event) => {
        const box = event.target;
        if (!inForm(box)) {
            return;
        }
        if (!filtered(box)) {
            edited(box);
            return;
        }
        keep();
        withSheet(() => {
            const before = beforeComposing;
            const after = box.value;
            let start = 0;
            while (start < before.length && before[start] === after[start]) {
                start++;
            }
            let end = 0;
            while (end < before.length - start &&
                   before[before.length - 1 - end] === after[after.length - 1 - end]) {
                end++;
            }
            box.value = after.slice(0, start) + accepted(after.slice(start, after.length - end)) +
                after.slice(after.length - end);
            sheet.edit(box.id, box.value);
        });
    });

    document.addEventListener('click', (event) => {
        const button = event.target instanceof Element && event.target.closest('button');
        if (button && inForm(button)) {
            withSheet(() => sheet.click(button.id));
        }
    });
    let hovered = false;
    document.addEventListener('pointermove', (event) => {
        if (!hovered && event.target instanceof Element && event.target.classList.contains('form')) {
            hovered = true;
            withSheet(() => sheet.hover(), false);
        }
    });
    // Ctrl+P (⌘P), whatever the keyboard's language, pressed while the page's worksheet is
    // behind the boxes, prints once the sheet has started and caught up with them.
    // If the sheet never starts, Ctrl+P says so again.
    let printWaiting = false;
    document.addEventListener('keydown', (event) => {
        if (!sheet && document.documentElement.dataset.worksheet === 'behind' &&
            (event.ctrlKey || event.metaKey) && !event.shiftKey && !event.altKey &&
            event.code === 'KeyP') {
            event.preventDefault();
            if (notStartedText && messages.length === 0) {
                view.showMessage(true, notStartedText);
            }
            if (!printWaiting) {
                printWaiting = true;
                waiting.push(() => {
                    worksheetBehind(false);
                    window.print();
                });
            }
        }
    });

    // Served from a web server, the page can be installed on a tablet's home screen, and keeps
    // its files for use without a network. Browsers allow neither from disk (file://), nor a
    // service worker over plain http to another computer: there the page simply works online.
    function offerInstalling() {
        if (location.protocol === 'file:') {
            return;
        }
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.append(manifest);
        // A server that sends the worker as another type of file would have it refused, with an
        // error in the console: the page then works online only, and says nothing. A worker
        // kept from an earlier visit came as it should, and is only checked for an update.
        if (window.isSecureContext && 'serviceWorker' in navigator) {
            const register = () => navigator.serviceWorker.register('service-worker.js');
            navigator.serviceWorker.getRegistration().then((kept) => kept ? register() :
                fetch('service-worker.js', { method: 'HEAD' }).then((answer) =>
                    answer.ok && /javascript/i.test(answer.headers.get('Content-Type')) ?
                        register() : null)).catch(() => {});
        }
    }

    // The tab keeps the form as it stands, for as long as the tab is open: a browser reloads a
    // page when it likes (a tab put to sleep, pull-to-refresh, the back button), and the
    // teacher's numbers and answers come back with it. It keeps the boxes' texts and the
    // sheet's own state (see ExerciseSheet::keptState), in the tab's session storage: a new
    // tab starts from the sample, and nothing leaves the device. What she types before the sheet
    // has started is kept too, with the state kept before. A browser that refuses the storage
    // (a private mode, a full quota) keeps nothing, and the page works as it would.
    const keptKey = 'arithmitika-form';
    const boxes = () => document.querySelectorAll('.form > input');
    function keep() {
        if (document.readyState === 'loading') { // not every box is there yet
            document.addEventListener('DOMContentLoaded', keep, { once: true });
            return;
        }
        try {
            sessionStorage.setItem(keptKey, JSON.stringify({
                boxes: [...boxes()].map((box) => box.value),
                sheet: sheet ? sheet.kept() : keptAtLoad ? keptAtLoad.sheet : '' }));
        } catch (refused) {
            // nothing kept
        }
    }
    function keptForm() {
        try {
            const kept = JSON.parse(sessionStorage.getItem(keptKey));
            return kept && Array.isArray(kept.boxes) &&
                kept.boxes.every((text) => typeof text === 'string') &&
                typeof kept.sheet === 'string' ? kept : null;
        } catch (refused) {
            return null;
        }
    }
    // The kept texts go into the boxes as the page's parser makes them, before the form is first
    // drawn, so that the sample numbers never show in their place. A kept form is taken whole
    // or not at all: one with a text longer than its box takes, or that the sheet refuses once
    // it has started, leaves the sample.
    let keptAtLoad = keptForm();
    const filled = new Set();
    function refuseKept() {
        keptAtLoad = null;
        filled.forEach((box) => {
            if (!editedEarly.has(box)) {
                box.value = box.defaultValue;
            }
        });
    }
    if (keptAtLoad) {
        const fill = () => boxes().forEach((box, row) => {
            const text = keptAtLoad ? keptAtLoad.boxes[row] : undefined;
            if (text === undefined || filled.has(box) || editedEarly.has(box)) {
                return;
            }
            if (box.maxLength >= 0 && text.length > box.maxLength) {
                refuseKept();
                return;
            }
            filled.add(box);
            if (text !== box.value) {
                box.value = text;
                worksheetBehind(true);
            }
        });
        const parsing = new MutationObserver(fill);
        parsing.observe(document, { childList: true, subtree: true });
        document.addEventListener('DOMContentLoaded', () => {
            parsing.disconnect();
            fill();
            if (keptAtLoad && keptAtLoad.boxes.length !== boxes().length) {
                refuseKept();
            }
        });
    }

    // If the sheet's module has not started a while after the form is shown, or has failed to,
    // the page says so, with what to do; what she does meanwhile still waits its turn, and is
    // done should the module come after all.
    const patience = 10000; // milliseconds
    let notStartedText = null;
    let pendingNote = null;
    function notStarted() {
        if (sheet || notStartedText) {
            return;
        }
        notStartedText = byId('not-started').content.textContent;
        const note = byId('worksheet-pending');
        pendingNote = note.textContent;
        note.textContent = notStartedText; // what a print from the browser's menu shows
        view.showMessage(true, notStartedText);
    }
    function startedLate() {
        if (!notStartedText) {
            return;
        }
        byId('worksheet-pending').textContent = pendingNote;
        if (messages.length > 0 && messages[0].text === notStartedText) {
            byId('message').close();
        }
        notStartedText = null;
    }

    // The sheet starts with the texts the markup shows. A box filled in before it started (by
    // the kept form, or by the browser restoring a form) is handed to it first, then the kept
    // state, then what the user did meanwhile, in order.
    function start() {
        if (typeof Arithmitika !== 'function') { // the file came, but did not run
            notStarted();
            return;
        }
        Arithmitika({ view }).then((module) => {
            const keeping = (action) => (...values) => {
                const result = action(...values);
                keep();
                return result;
            };
            sheet = {
                edit: keeping(module.cwrap('pageEdit', null, ['string', 'string'])),
                click: keeping(module.cwrap('pageClick', null, ['string'])),
                hover: keeping(module.cwrap('pageHover', null, [])),
                accepts: module.cwrap('pageAccepts', 'boolean', ['string']),
                kept: module.cwrap('pageKeptState', 'string', []),
                keepText: module.cwrap('pageKeepText', null, ['string', 'string']),
                restore: module.cwrap('pageRestoreKeptForm', 'boolean', ['string']),
            };
            startedLate();
            if (keptAtLoad) {
                boxes().forEach((box, row) => sheet.keepText(box.id, keptAtLoad.boxes[row]));
                if (!sheet.restore(keptAtLoad.sheet)) {
                    refuseKept();
                }
            } else {
                for (const box of boxes()) {
                    if (box.value !== box.defaultValue && !editedEarly.has(box)) {
                        if (filtered(box)) {
                            box.value = accepted(box.value);
                        }
                        sheet.edit(box.id, box.value);
                    }
                }
            }
            waiting.splice(0).forEach((action) => action());
            worksheetBehind(false);
            keep();
            document.body.dataset.ready = 'true';
            offerInstalling(); // once the sheet has started, so that keeping files never delays it
        }, notStarted);
    }

    // Once the form is shown: the module is fetched, so that nothing competes with the form's
    // first paint, and the focus goes to its first control, as on the desktops (focusing it
    // while the page is first drawn would hold the drawing back), in that order, as drawing the
    // focus takes a while and the fetch need not wait for it. The module starts once the whole
    // page is parsed, as a paint may come before the worksheet's pages are.
    function formShown() {
        const module = document.createElement('script');
        module.src = moduleAddress;
        module.addEventListener('error', notStarted);
        setTimeout(notStarted, patience);
        module.addEventListener('load', () => {
            if (document.readyState === 'loading') {
                document.addEventListener('DOMContentLoaded', start);
            } else {
                start();
            }
        });
        document.head.append(module);
        if (document.activeElement === document.body) {
            document.querySelector('.form').firstElementChild.focus();
        }
    }
    // The form is shown when the browser reports its first paint; a browser that reports no
    // paints has shown it a frame after the page is parsed.
    if ((window.PerformanceObserver?.supportedEntryTypes || []).includes('paint')) {
        const painted = new PerformanceObserver((list) => {
            if (list.getEntries().some((entry) => entry.name === 'first-contentful-paint')) {
                painted.disconnect();
                formShown();
            }
        });
        painted.observe({ type: 'paint', buffered: true });
    } else {
        document.addEventListener('DOMContentLoaded', () => {
            requestAnimationFrame(() => setTimeout(formShown));
        });
    }
})();
